// Components and their owners.
#include "framework/component.h"

#include <algorithm>

namespace velmora {

namespace {
void eraseOne(std::vector<TComponent*>& list, TComponent* item) {
  auto it = std::find(list.begin(), list.end(), item);
  if (it != list.end()) list.erase(it);
}
}  // namespace

const TClassInfo& TComponent::StaticClassInfo() {
  static const TClassInfo info{
      "TComponent",
      &TPersistent::StaticClassInfo(),
      {
          props::String<TComponent>("Name", &TComponent::Name, &TComponent::SetName),
          props::Integer<TComponent, std::intptr_t>("Tag", &TComponent::Tag, &TComponent::SetTag),
      },
      {}};
  return info;
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Whoever asked to hear of our end hears of it now.
  const auto notifies = FFreeNotifies;
  for (TComponent* c : notifies) {
    c->RemoveFreeNotification(this);
    c->Notification(this, TOperation::opRemove);
  }
  FFreeNotifies.clear();
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

// Owned components go last first, without notifications: the owner is going too.
void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back();
    FComponents.pop_back();
    last->FOwner = nullptr;
    delete last;
  }
}

void TComponent::Destroying() {
  if (FComponentState & csDestroying) return;
  FComponentState |= csDestroying;
  for (TComponent* c : FComponents) c->Destroying();
}

void TComponent::EndLoading() {
  FComponentState &= ~(csLoading | csReading);
  Loaded();
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : FComponents)
    if (SameText(c->FName, name)) return c;
  return nullptr;
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end())
    FFreeNotifies.push_back(component);
  if (std::find(component->FFreeNotifies.begin(), component->FFreeNotifies.end(), this) ==
      component->FFreeNotifies.end())
    component->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  eraseOne(FFreeNotifies, component);
  if (component) eraseOne(component->FFreeNotifies, this);
}

void TComponent::InsertComponent(TComponent* component) {
  if (!component || component->FOwner == this) return;
  if (component->FOwner) component->FOwner->RemoveComponent(component);
  FComponents.push_back(component);
  component->FOwner = this;
  notifyAll(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (!component || component->FOwner != this) return;
  notifyAll(component, TOperation::opRemove);
  eraseOne(FComponents, component);
  component->FOwner = nullptr;
}

void TComponent::notifyAll(TComponent* component, TOperation operation) {
  Notification(component, operation);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove) eraseOne(FFreeNotifies, component);
  // The owner passes the news on to every component it owns.
  const auto owned = FComponents;
  for (TComponent* c : owned) c->Notification(component, operation);
}

}  // namespace velmora
