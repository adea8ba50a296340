#pragma once
// Registers the standard controls and components with the class registry
// of window descriptions. Safe to call more than once.

void RegisterStandardControls();
