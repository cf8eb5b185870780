#pragma once
// Registers the toolkit's classes with the layout reader's class registry, for layouts that use
// a class without declaring a field of it. Safe to call more than once.

void RegisterToolkitClasses();
