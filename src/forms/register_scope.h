#pragma once
// Makes the scope loadable from window descriptions.
void RegisterScopeClasses();
