#include "forms/register_scope.h"

#include "forms/class_registry.h"
#include "scope/scope.h"

void RegisterScopeClasses() { TClassRegistry::Instance().Register<TSLScope>(); }
