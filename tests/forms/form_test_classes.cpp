#include "form_test_classes.h"

namespace formtest {

QStringList& InitLog() {
  static QStringList log;
  return log;
}

TTestDevice::TTestDevice(QObject* owner)
    : TLPComponent(owner),
      xAxis_(new TTestAxis(this)),
      yAxis_(new TTestAxis(this)),
      channels_(new TOWExtCollection(this, [](TOWExtCollection* c) { return new TTestItem(c); })) {}

void TTestDevice::Initialized() {
  ++initializedCount;
  InitLog().append(objectName());
}

bool TTestDevice::ReadDefinedProperty(const QString& name, const TStoredValue& value) {
  if (name != QLatin1String("AxisIndex_")) return false;
  if (value.kind != TStoredValue::Kind::List || value.items.isEmpty() || value.items.size() > 2)
    throw std::runtime_error("AxisIndex_ holds one or two integers");
  yIndex = int(value.items[0].integer);
  xIndex = value.items.size() > 1 ? int(value.items[1].integer) : 0;
  return true;
}

void TTestDevice::WriteDefinedProperties(QList<QPair<QString, TStoredValue>>& out) const {
  if (yIndex || xIndex)
    out.append({QStringLiteral("AxisIndex_"), TStoredValue::ListOf({TStoredValue::Int(yIndex), TStoredValue::Int(xIndex)})});
}

void RegisterTestClasses() {
  TClassRegistry& r = TClassRegistry::Instance();
  r.Register(QStringLiteral("TTestDevice"), [](QObject* owner) -> QObject* { return MakeComponent<TTestDevice>(owner); });
  r.Register<TTestPanel>();
  r.Register<TTestPages>();
  r.Register<TTestForm>();
}

}  // namespace formtest
