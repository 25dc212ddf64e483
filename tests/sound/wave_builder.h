#pragma once

#include <QFile>
#include <QString>
#include <QtEndian>
#include <cstdint>
#include <vector>

// Writes a 16-bit PCM mono wave file, so tests can play sounds of a known shape.
inline bool saveWave(const QString& path, const std::vector<std::int16_t>& samples,
                     int rate = 22050) {
    const auto dataBytes = std::uint32_t(samples.size() * 2);
    QByteArray out;
    auto put32 = [&out](std::uint32_t v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto put16 = [&out](std::uint16_t v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    out.append("RIFF");
    put32(36 + dataBytes);
    out.append("WAVEfmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(std::uint32_t(rate));
    put32(std::uint32_t(rate) * 2);
    put16(2);
    put16(16);
    out.append("data");
    put32(dataBytes);
    for (std::int16_t s : samples)
        put16(std::uint16_t(s));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}
