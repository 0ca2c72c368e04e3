// The thread's COM apartment, entered the first time a shell dialog needs it instead of
// at start: the COM libraries it loads, and the apartment's own set-up, are a few
// milliseconds of the program's start under Wine, and most runs never open the folder
// chooser.
#pragma once

namespace velmora {

// Enters a single-threaded apartment on the calling thread once; later calls do
// nothing. False when the COM library could not be loaded or refused.
bool EnterComApartment();

}  // namespace velmora
