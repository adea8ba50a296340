#pragma once
// The global registries of pins, pin lists, pending placeholders and state
// dispatchers, all changed and searched under one critical section.

#include <mutex>
#include <vector>

class TOWBasicPin;
class TOWPinList;
class TOWUnloadedPin;
class TOWStateDispatcher;

struct TOWPinRegistry {
  std::recursive_mutex section;
  std::vector<TOWBasicPin*> pins;
  std::vector<TOWPinList*> lists;
  std::vector<TOWUnloadedPin*> pending;  // owns the placeholders in it
  std::vector<TOWStateDispatcher*> designDispatchers;
  std::vector<TOWStateDispatcher*> runDispatchers;
};

// The one registry; never destroyed, so pins that outlive static
// destruction order still find it.
TOWPinRegistry& OWPinRegistry();

// Serialises changes of connections (connect, disconnect, placeholder
// merges) across threads. Taken first, before any pin or component lock, so
// two threads re-linking the same pins cannot take pin locks in opposite
// orders. Broadcasts never take it.
std::recursive_mutex& OWConnectionSection();
using TOWConnectionHold = std::lock_guard<std::recursive_mutex>;
