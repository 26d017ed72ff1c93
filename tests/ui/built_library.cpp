#include "built_library.h"

#include <QtEndian>
#include <algorithm>
#include <cstdlib>

namespace vis::test {

WaveFormat ReadWave(const QByteArray& wave) {
    WaveFormat result;
    if (wave.size() < 44 || !wave.startsWith("RIFF") || wave.mid(8, 8) != "WAVEfmt ") return result;
    const char* data = wave.constData();
    result.format = qFromLittleEndian<quint16>(data + 20);
    result.channels = qFromLittleEndian<quint16>(data + 22);
    result.rate = static_cast<int>(qFromLittleEndian<quint32>(data + 24));
    result.bits = qFromLittleEndian<quint16>(data + 34);
    const quint32 dataBytes = qFromLittleEndian<quint32>(data + 40);
    if (wave.mid(36, 4) != "data" || dataBytes + 44 != static_cast<quint32>(wave.size()) ||
        result.channels < 1 || result.bits != 16) {
        return result;
    }
    const qsizetype frames = static_cast<qsizetype>(dataBytes / 2) / result.channels;
    result.samples.reserve(static_cast<std::size_t>(frames));
    for (qsizetype i = 0; i < frames; ++i) {
        const int sample = qFromLittleEndian<qint16>(data + 44 + 2 * i * result.channels);
        result.samples.push_back(sample);
        result.peak = std::max(result.peak, std::abs(sample));
    }
    result.valid = true;
    return result;
}

}  // namespace vis::test
