#pragma once
// Pin events for listeners such as an editor. Listeners register in one
// global list; each event calls every listener inside the list's critical
// section, each call shielded (an exception from one listener is swallowed
// and the next is still called). Creation-type events run in registration
// order, destruction-type events in reverse order.

#include <QObject>

class TOWBasicPin;
class TOWPinList;
class TOWStateDispatcher;

class IOWPinEventListener {
public:
  virtual ~IOWPinEventListener() = default;
  virtual void PinCreated(TOWBasicPin*) {}
  virtual void PinDestroying(TOWBasicPin*, bool ownerDesigning) { (void)ownerDesigning; }
  virtual void PinChanged(TOWBasicPin*) {}
  // `other` is the pin or dispatcher it was connected to / disconnected from.
  virtual void PinConnected(TOWBasicPin*, QObject* other) { (void)other; }
  virtual void PinDisconnected(TOWBasicPin*, QObject* other) { (void)other; }
  virtual void PinListCreated(TOWPinList*) {}
  virtual void PinListDestroying(TOWPinList*) {}
  virtual void PinListChanged(TOWPinList*) {}
  virtual void PinAdded(TOWPinList*, TOWBasicPin*, int index) { (void)index; }
  virtual void PinRemoved(TOWPinList*, TOWBasicPin*, int index) { (void)index; }
  virtual void PinsExchanged(TOWPinList*, TOWBasicPin*, int, TOWBasicPin*, int) {}
  virtual void DispatcherCreated(TOWStateDispatcher*) {}
  virtual void DispatcherDestroying(TOWStateDispatcher*, bool flag) { (void)flag; }
  virtual void DispatcherChanged(TOWStateDispatcher*) {}
};

void OWAddPinEventListener(IOWPinEventListener* listener);
void OWRemovePinEventListener(IOWPinEventListener* listener);

namespace owevents {
void PinCreated(TOWBasicPin* pin);
void PinDestroying(TOWBasicPin* pin, bool ownerDesigning);
void PinChanged(TOWBasicPin* pin);
void PinConnected(TOWBasicPin* pin, QObject* other);
void PinDisconnected(TOWBasicPin* pin, QObject* other);
void PinListCreated(TOWPinList* list);
void PinListDestroying(TOWPinList* list);
void PinListChanged(TOWPinList* list);
void PinAdded(TOWPinList* list, TOWBasicPin* pin, int index);
void PinRemoved(TOWPinList* list, TOWBasicPin* pin, int index);
void PinsExchanged(TOWPinList* list, TOWBasicPin* a, int i, TOWBasicPin* b, int j);
void DispatcherCreated(TOWStateDispatcher* d);
void DispatcherDestroying(TOWStateDispatcher* d, bool flag);
void DispatcherChanged(TOWStateDispatcher* d);
}  // namespace owevents
