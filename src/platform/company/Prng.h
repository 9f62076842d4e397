#pragma once
// The demo generator's random numbers: SplitMix64, written out here so that the same seed gives the same
// database with every compiler and standard library (std distributions differ between libraries).

#include <cstdint>
#include <vector>

namespace company {

class Prng {
public:
    explicit Prng(std::uint64_t seed) : state_(seed) {}
    // A stream of its own for each (seed, company, purpose), so that more movement lines never change
    // the master data drawn before them.
    static Prng stream(std::uint64_t seed, int company, int purpose)
    {
        Prng mixer(seed * 0x9E3779B97F4A7C15ull + static_cast<std::uint64_t>(company) * 1000003u
                   + static_cast<std::uint64_t>(purpose));
        return Prng(mixer.next());
    }

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1; the slight bias of the modulo does not matter for demo data.
    long below(long n) { return n <= 1 ? 0 : static_cast<long>(next() % static_cast<std::uint64_t>(n)); }
    long between(long low, long high) { return low + below(high - low + 1); }
    bool percent(int chance) { return below(100) < chance; }
    template <class T> const T& pick(const std::vector<T>& items) { return items[below(static_cast<long>(items.size()))]; }

private:
    std::uint64_t state_;
};

} // namespace company
