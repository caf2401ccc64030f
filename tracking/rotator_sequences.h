#pragma once

// Fixed command sequences: stops, the TrakBox host mode, the EA4TX stop pair.

#include "tracking/rotator_types.h"

namespace tracking {

// Stop written to an open port when tracking stops (each followed by 50 ms).
// Empty for EA4TX and KCT.
WriteList StopCommands(Interface dialect);

// Stop written before the port of `dialect` is changed in the settings panel: EasyComm
// keeps still while it is the parking interface, TrakBox only closes its port.
WriteList PortChangeStopCommands(Interface dialect, bool parkChecked);

// Stop written at program exit: none for an interface that has just been sent to park.
WriteList QuitStopCommands(Interface dialect, bool parkChecked);

// Selecting the TrakBox puts it in host mode: "Q" CR, 300 ms, "7" CR, 50 ms.
WriteList TrakBoxSelectCommands();

// At exit the TrakBox stays in host mode (" " CR, 50 ms) or leaves it ("Q" CR, 300 ms).
WriteList TrakBoxQuitCommands(bool stayInHostMode);

// Posted to ARSWIN to stop both axes.
std::vector<ArswinPost> Ea4txStopPosts();

}  // namespace tracking
