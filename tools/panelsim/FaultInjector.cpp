#include "FaultInjector.h"

namespace panelsim {

FaultInjector::FaultInjector(const FaultOptions &options, Direction direction)
    : m_options(options)
{
    std::seed_seq seq{options.seed, quint32(direction == Direction::Received ? 1 : 2)};
    m_generator.seed(seq);
}

double FaultInjector::uniform()
{
    // mt19937 output is fixed by the standard; distributions are not, so
    // the mapping to [0, 1) is done here.
    return double(m_generator()) / 4294967296.0;
}

FrameFault FaultInjector::next(int wireSize)
{
    const double corrupt = uniform();
    const double drop = uniform();
    const double delay = uniform();
    const quint32 position = m_generator();
    const quint32 value = m_generator();

    FrameFault fault;
    fault.drop = drop < m_options.dropRate;
    if (!fault.drop && wireSize > 1 && corrupt < m_options.corruptRate) {
        fault.corrupt = true;
        fault.corruptAt = 1 + int(position % quint32(wireSize - 1));
        fault.corruptXor = quint8(1 + value % 255);
    }
    if (!fault.drop && m_options.delayMs > 0 && delay < m_options.delayRate)
        fault.delayMs = m_options.delayMs;
    return fault;
}

QByteArray FaultInjector::applyCorruption(const QByteArray &wire, const FrameFault &fault)
{
    if (!fault.corrupt || fault.corruptAt <= 0 || fault.corruptAt >= wire.size())
        return wire;
    QByteArray out = wire;
    out[fault.corruptAt] = char(quint8(out.at(fault.corruptAt)) ^ fault.corruptXor);
    return out;
}

} // namespace panelsim
