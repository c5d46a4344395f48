#include "player/boundedlength.h"

#include "player/tracklength.h"

#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace klangtruhe {

double boundedTrackLength(const QString &path, int timeoutMs)
{
    auto promise = std::make_shared<std::promise<double>>();
    std::future<double> result = promise->get_future();
    try {
        // Detached, so that neither this call nor the program's end waits on a hanging read.
        std::thread([promise, path] { promise->set_value(trackLength(path)); }).detach();
    } catch (const std::system_error &) {
        return trackLength(path); // no thread to be had: measure here
    }
    if (result.wait_for(std::chrono::milliseconds(timeoutMs)) != std::future_status::ready)
        return -1;
    return result.get();
}

} // namespace klangtruhe
