#pragma once

#include <QFile>
#include <QString>
#include <cstdint>
#include <initializer_list>
#include <vector>

// Builds Standard MIDI Files byte by byte, so tests can make exactly the file they need.
namespace midi_builder {

using Bytes = std::vector<unsigned char>;

inline void appendVariableLength(Bytes& out, std::uint32_t value) {
    Bytes reversed{static_cast<unsigned char>(value & 0x7F)};
    while (value >>= 7)
        reversed.push_back(static_cast<unsigned char>((value & 0x7F) | 0x80));
    out.insert(out.end(), reversed.rbegin(), reversed.rend());
}

inline void appendBigEndian(Bytes& out, std::uint32_t value, int count) {
    for (int shift = 8 * (count - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

struct Track {
    Bytes events;

    Track& event(std::uint32_t delta, std::initializer_list<unsigned char> data) {
        appendVariableLength(events, delta);
        events.insert(events.end(), data);
        return *this;
    }
    Track& tempo(std::uint32_t delta, std::uint32_t microsecondsPerQuarter) {
        return event(delta,
                     {0xFF, 0x51, 0x03, static_cast<unsigned char>(microsecondsPerQuarter >> 16),
                      static_cast<unsigned char>(microsecondsPerQuarter >> 8),
                      static_cast<unsigned char>(microsecondsPerQuarter)});
    }
    Track& noteOn(std::uint32_t delta, int key, int channel = 0) {
        return event(delta, {static_cast<unsigned char>(0x90 | channel),
                             static_cast<unsigned char>(key), 100});
    }
    Track& noteOff(std::uint32_t delta, int key, int channel = 0) {
        return event(delta, {static_cast<unsigned char>(0x80 | channel),
                             static_cast<unsigned char>(key), 0});
    }
    Track& program(std::uint32_t delta, int program, int channel = 0) {
        return event(delta, {static_cast<unsigned char>(0xC0 | channel),
                             static_cast<unsigned char>(program)});
    }
    Track& end(std::uint32_t delta = 0) { return event(delta, {0xFF, 0x2F, 0x00}); }
};

inline Bytes file(std::vector<Track> tracks, std::uint16_t division = 480,
                  std::uint16_t format = 1) {
    Bytes out{'M', 'T', 'h', 'd'};
    appendBigEndian(out, 6, 4);
    appendBigEndian(out, format, 2);
    appendBigEndian(out, std::uint32_t(tracks.size()), 2);
    appendBigEndian(out, division, 2);
    for (const Track& track : tracks) {
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        appendBigEndian(out, std::uint32_t(track.events.size()), 4);
        out.insert(out.end(), track.events.begin(), track.events.end());
    }
    return out;
}

inline bool save(const QString& path, const Bytes& bytes) {
    QFile out(path);
    return out.open(QIODevice::WriteOnly) &&
           out.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) ==
               qint64(bytes.size());
}

} // namespace midi_builder
