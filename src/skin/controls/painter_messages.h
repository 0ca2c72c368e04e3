// Messages the control painters answer or listen for: the skin's own (WM_SKINENABLE,
// WM_SKINQUERY and the others, numbers fixed) and the framework's notifications.
#pragma once

#include "framework/framework_messages.h"
#include "skin/forms/skin_messages.h"
