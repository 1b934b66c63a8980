#include "model/object_messages.h"

namespace lw {
namespace {

UiPort* g_port = nullptr;

} // namespace

void setObjectMessagePort(UiPort* port)
{
    g_port = port;
}

UiPort* objectMessagePort()
{
    return g_port;
}

void showObjectMessage(const Message& message)
{
    if (g_port)
        g_port->messageBox(message);
}

} // namespace lw
