// The DLL's own state: its module handle and the count of live objects and locks
// that decides whether COM may unload it.
#pragma once

#include <windows.h>

namespace cx840sim {

HMODULE ModuleHandle();

void ObjectCreated();
void ObjectDestroyed();
void LockModule(bool lock);
bool CanUnloadModule();

// Thread-safe reference count of one COM object; counts the object as live while it
// exists. Objects start with one reference, owned by their creator; each deletes
// itself in its Release when the last reference goes.
class RefCounted {
  public:
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

  protected:
    RefCounted() { ObjectCreated(); }
    ~RefCounted() { ObjectDestroyed(); }

    ULONG AddReference() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    // The references left.
    ULONG DropReference() { return static_cast<ULONG>(InterlockedDecrement(&references_)); }

  private:
    LONG references_ = 1;
};

}  // namespace cx840sim
