#include "pins/pin_events.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace {

struct Listeners {
  std::recursive_mutex section;
  std::vector<IOWPinEventListener*> list;
};

Listeners& TheListeners() {
  static Listeners* l = new Listeners;  // outlives every static pin
  return *l;
}

template <class F>
void CallForward(F&& f) {
  Listeners& l = TheListeners();
  std::lock_guard<std::recursive_mutex> lock(l.section);
  // Index loop: a listener may register or leave during the call.
  for (size_t i = 0; i < l.list.size(); ++i) {
    try {
      f(l.list[i]);
    } catch (...) {
      // A failing listener must not keep the others from hearing the event.
    }
  }
}

template <class F>
void CallReverse(F&& f) {
  Listeners& l = TheListeners();
  std::lock_guard<std::recursive_mutex> lock(l.section);
  for (size_t i = l.list.size(); i-- > 0;) {
    if (i >= l.list.size()) continue;
    try {
      f(l.list[i]);
    } catch (...) {
    }
  }
}

}  // namespace

void OWAddPinEventListener(IOWPinEventListener* listener) {
  Listeners& l = TheListeners();
  std::lock_guard<std::recursive_mutex> lock(l.section);
  if (listener && std::find(l.list.begin(), l.list.end(), listener) == l.list.end()) l.list.push_back(listener);
}

void OWRemovePinEventListener(IOWPinEventListener* listener) {
  Listeners& l = TheListeners();
  std::lock_guard<std::recursive_mutex> lock(l.section);
  l.list.erase(std::remove(l.list.begin(), l.list.end(), listener), l.list.end());
}

namespace owevents {
void PinCreated(TOWBasicPin* pin) {
  CallForward([&](IOWPinEventListener* x) { x->PinCreated(pin); });
}
void PinDestroying(TOWBasicPin* pin, bool ownerDesigning) {
  CallReverse([&](IOWPinEventListener* x) { x->PinDestroying(pin, ownerDesigning); });
}
void PinChanged(TOWBasicPin* pin) {
  CallReverse([&](IOWPinEventListener* x) { x->PinChanged(pin); });
}
void PinConnected(TOWBasicPin* pin, QObject* other) {
  CallForward([&](IOWPinEventListener* x) { x->PinConnected(pin, other); });
}
void PinDisconnected(TOWBasicPin* pin, QObject* other) {
  CallReverse([&](IOWPinEventListener* x) { x->PinDisconnected(pin, other); });
}
void PinListCreated(TOWPinList* list) {
  CallForward([&](IOWPinEventListener* x) { x->PinListCreated(list); });
}
void PinListDestroying(TOWPinList* list) {
  CallReverse([&](IOWPinEventListener* x) { x->PinListDestroying(list); });
}
void PinListChanged(TOWPinList* list) {
  CallForward([&](IOWPinEventListener* x) { x->PinListChanged(list); });
}
void PinAdded(TOWPinList* list, TOWBasicPin* pin, int index) {
  CallForward([&](IOWPinEventListener* x) { x->PinAdded(list, pin, index); });
}
void PinRemoved(TOWPinList* list, TOWBasicPin* pin, int index) {
  CallReverse([&](IOWPinEventListener* x) { x->PinRemoved(list, pin, index); });
}
void PinsExchanged(TOWPinList* list, TOWBasicPin* a, int i, TOWBasicPin* b, int j) {
  CallForward([&](IOWPinEventListener* x) { x->PinsExchanged(list, a, i, b, j); });
}
void DispatcherCreated(TOWStateDispatcher* d) {
  CallForward([&](IOWPinEventListener* x) { x->DispatcherCreated(d); });
}
void DispatcherDestroying(TOWStateDispatcher* d, bool flag) {
  CallReverse([&](IOWPinEventListener* x) { x->DispatcherDestroying(d, flag); });
}
void DispatcherChanged(TOWStateDispatcher* d) {
  CallForward([&](IOWPinEventListener* x) { x->DispatcherChanged(d); });
}
}  // namespace owevents
