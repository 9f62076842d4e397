#include "files/InterruptCleanup.h"

#include <array>
#include <atomic>
#include <csignal>
#include <cstring>
#include <mutex>

#include <unistd.h>

namespace files {
namespace {

// The handler may run at any moment: it reads only fixed buffers, each guarded by its own state.
enum SlotState : int { Free, Filling, Armed };
constexpr std::size_t slotCount = 32;
constexpr std::size_t pathBytes = 4096;

struct Slot {
    std::atomic<int> state{Free};
    char path[pathBytes];
};

std::array<Slot, slotCount> slots;
constexpr std::array signals{SIGINT, SIGTERM, SIGHUP};

extern "C" void removeAndDie(int signal)
{
    for (Slot& slot : slots) {
        if (slot.state.load() == Armed)
            ::unlink(slot.path);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void installHandlers()
{
    for (const int signal : signals) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
            continue;
        struct sigaction handler {};
        handler.sa_handler = removeAndDie;
        sigemptyset(&handler.sa_mask);
        ::sigaction(signal, &handler, nullptr);
    }
}

} // namespace

int removeOnInterrupt(const std::string& path)
{
    static std::once_flag installed;
    std::call_once(installed, installHandlers);
    if (path.size() >= pathBytes)
        return -1;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        int expected = Free;
        if (slots[i].state.compare_exchange_strong(expected, Filling)) {
            std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
            slots[i].state.store(Armed);
            return static_cast<int>(i);
        }
    }
    return -1;
}

void forgetOnInterrupt(int slot)
{
    if (slot >= 0 && static_cast<std::size_t>(slot) < slots.size())
        slots[static_cast<std::size_t>(slot)].state.store(Free);
}

} // namespace files
