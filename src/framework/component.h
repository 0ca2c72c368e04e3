// Components: named objects with an owner that frees them, a Tag, the loading state
// of a stored form, Loaded after every stored property is set, and notifications of
// components being inserted into and removed from an owner.
#pragma once

#include <cstdint>
#include <cstddef>
#include <string>
#include <vector>

#include "framework/rtti.h"

namespace velmora {

enum class TOperation { opInsert, opRemove };

enum TComponentStateFlag : unsigned {
  csLoading = 1u << 0,     // stored properties are being set
  csReading = 1u << 1,
  csDestroying = 1u << 2,  // the destructor has begun
  csDesigning = 1u << 3,   // never set in this program; kept for components that ask
};

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner = nullptr);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TComponent* Owner() const { return FOwner; }
  const std::vector<TComponent*>& Components() const { return FComponents; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* FindComponent(const std::string& name) const;

  std::string Name() const { return FName; }
  void SetName(const std::string& name) { FName = name; }
  std::intptr_t Tag() const { return FTag; }
  void SetTag(std::intptr_t tag) { FTag = tag; }

  unsigned ComponentState() const { return FComponentState; }
  bool IsLoading() const { return FComponentState & csLoading; }
  bool IsDestroying() const { return FComponentState & csDestroying; }

  // The stored-form loader brackets property setting with these; EndLoading calls Loaded.
  void BeginLoading() { FComponentState |= csLoading | csReading; }
  void EndLoading();

  // Asks `component` (not owned by us) to tell us when it goes away.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Stored data that is not a published property (a binary stream, a list of
  // lines): false when the component has no such data.
  virtual bool ReadBinaryProperty(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    (void)name, (void)bytes;
    return false;
  }
  virtual bool ReadStringsProperty(const std::string& name, const std::vector<std::string>& lines) {
    (void)name, (void)lines;
    return false;
  }

  // A stored form places `child` inside this component (a menu takes its items);
  // false when this component holds no such children.
  virtual bool AcceptChild(TComponent* child) {
    (void)child;
    return false;
  }

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

 protected:
  virtual void Loaded() {}
  // Called on the owner and on every component it owns (and on those that asked for a
  // free notification) when a component is inserted or removed.
  virtual void Notification(TComponent* component, TOperation operation);
  // Starts destruction: marks this and every owned component as destroying.
  void Destroying();
  // Frees the owned components. A class whose components use its own parts (a form's
  // tray icon hooks the form's window procedure) calls this first in its destructor.
  void DestroyComponents();

 private:
  void notifyAll(TComponent* component, TOperation operation);

  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  std::string FName;
  std::intptr_t FTag = 0;
  unsigned FComponentState = 0;
};

}  // namespace velmora
