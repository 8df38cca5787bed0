#pragma once
// Faults on whole frames for reliability tests: with the given probability
// per frame a frame is corrupted (one byte other than the STX changed),
// dropped or delayed. Each direction draws from its own generator seeded
// from the seed, so the same seed and the same frames give the same faults.

#include <QByteArray>

#include <random>

namespace panelsim {

struct FaultOptions
{
    double corruptRate = 0.0;
    double dropRate = 0.0;
    int delayMs = 0;
    double delayRate = 1.0; // share of frames delayed when delayMs > 0
    quint32 seed = 20240611;

    bool any() const { return corruptRate > 0.0 || dropRate > 0.0 || delayMs > 0; }
};

struct FrameFault
{
    bool drop = false;
    bool corrupt = false;
    int corruptAt = 0;       // index into the wire frame, never 0 (the STX)
    quint8 corruptXor = 0;   // non-zero
    int delayMs = 0;
    bool operator==(const FrameFault &o) const = default;
};

enum class Direction { Received, Sent };

class FaultInjector
{
public:
    FaultInjector(const FaultOptions &options, Direction direction);

    // The faults for the next frame of `wireSize` bytes. Every call draws the
    // same number of values, whatever the rates, so the sequence of faults
    // follows from the seed and the number of frames only.
    FrameFault next(int wireSize);

    // Applies a decided corruption to a wire frame.
    static QByteArray applyCorruption(const QByteArray &wire, const FrameFault &fault);

private:
    double uniform();

    FaultOptions m_options;
    std::mt19937 m_generator;
};

} // namespace panelsim
