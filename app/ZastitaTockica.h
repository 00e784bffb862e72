#pragma once

// Keeps the mouse wheel from changing a closed drop-down list or a spin field that the user is
// only scrolling past: such a control takes the wheel only while it has keyboard focus, otherwise
// the wheel goes on to the page that holds it. Installed once for the whole application; calling
// it again does nothing.
void UgradiZastituTockica();
