#include "window/oneinstance.h"

#include <utility>

namespace oneinstance {

void Window::listen()
{
    listening = true;
    for (const Request &request : std::exchange(waiting, {}))
        emit requested(request);
}

void Window::received(const Request &request)
{
    if (listening)
        emit requested(request);
    else
        waiting.append(request);
}

} // namespace oneinstance
