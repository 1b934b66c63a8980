#pragma once
// Where layer objects send the message boxes they raise while rendering (a text label whose
// bitmap cannot be made). The editor installs its UiPort at start-up; tests install a scripted
// one. Without a port the message is dropped and the object keeps its previous pixels.
#include "platform/ui_port.h"

namespace lw {

void setObjectMessagePort(UiPort* port);
UiPort* objectMessagePort();
void showObjectMessage(const Message& message);

} // namespace lw
