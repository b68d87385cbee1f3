#pragma once
// The skin engine's components, made known to the form reader by class name.

// Registers every skin component class that a form file may hold. Call once at start, before
// the first form is read; calling it again does no harm.
void RegisterSkinClasses();
