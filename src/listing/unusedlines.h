#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quarrow {

// The first line of the note on the station lines a book does not hold.
inline constexpr const char* kUnusedLinesHead = "Not every station of the listing is in the book:";

// The station lines of a listing that no block of the book holds, and why: a station with
// fewer lines than a station has, a line beyond them, the lines left when reading stopped
// at an error. The parsers tell the user once, after their own messages, so that a crew is
// never handed a book that silently lacks a station. Lines are numbered from 1, the
// roadway-type line included; station texts are as the listing has them (Windows-1252).
class UnusedLines
{
public:
    // `stationLines`: how many lines a station has, 2 or 4.
    explicit UnusedLines(int stationLines) : m_stationLines(stationLines) {}

    // A station's first line: a station still short of its lines is lost.
    void startStation(int line, const std::string& station);
    // A further line of the station being read; one beyond its lines is not used.
    void continueStation(int line);
    // The station being read has all its lines.
    void completeStation();
    // The listing ended: a station still short of its lines is lost.
    void endListing();
    // Reading stopped at `line` with an error; lines `line` to `lastLine` were not read, nor
    // is a station begun before them in the book.
    void stopReading(int line, int lastLine, const std::string& station);

    // Nothing when every station line went into the book.
    std::optional<std::string> report() const;

private:
    struct Station
    {
        int line;
        std::string text;
        int linesRead;
        bool complete;
    };

    void lose(std::string why);

    int m_stationLines;
    std::optional<Station> m_reading;
    std::vector<std::string> m_shown;
    int m_notShown = 0;
    std::string m_stopped;
};

} // namespace quarrow
