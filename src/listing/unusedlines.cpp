#include "listing/unusedlines.h"

#include "store/codepage.h"

namespace quarrow {
namespace {

// How many lines are named one by one; the rest are counted.
constexpr std::size_t kLinesNamed = 3;

std::string countWord(int count)
{
    static const char* const words[] = {"no", "one", "two", "three", "four"};
    return count >= 0 && count <= 4 ? words[count] : std::to_string(count);
}

std::string quoted(const std::string& station)
{
    return "\"" + utf8FromWindows1252(station) + "\"";
}

} // namespace

void UnusedLines::startStation(int line, const std::string& station)
{
    endListing();
    m_reading = Station{line, station, 1, false};
}

void UnusedLines::continueStation(int line)
{
    if (!m_reading)
        return;
    if (!m_reading->complete)
        ++m_reading->linesRead;
    else
        lose("Line " + std::to_string(line) + ": one line too many for station " +
             quoted(m_reading->text) + ".");
}

void UnusedLines::completeStation()
{
    if (m_reading)
        m_reading->complete = true;
}

void UnusedLines::endListing()
{
    if (m_reading && !m_reading->complete)
        lose("Line " + std::to_string(m_reading->line) + ": station " + quoted(m_reading->text) +
             " has only " + countWord(m_reading->linesRead) + " of its " +
             countWord(m_stationLines) + " lines.");
    m_reading.reset();
}

void UnusedLines::stopReading(int line, int lastLine, const std::string& station)
{
    if (m_reading && !m_reading->complete)
        line = m_reading->line;
    m_reading.reset();
    std::string lines = line == lastLine ? "Line " + std::to_string(line) + " was"
                                         : "Lines " + std::to_string(line) + " to " +
                                               std::to_string(lastLine) + " were";
    m_stopped = lines + " not read: reading stopped at station " + quoted(station) + ".";
}

void UnusedLines::lose(std::string why)
{
    if (m_shown.size() < kLinesNamed)
        m_shown.push_back(std::move(why));
    else
        ++m_notShown;
}

std::optional<std::string> UnusedLines::report() const
{
    if (m_shown.empty() && m_stopped.empty())
        return std::nullopt;
    std::string text = kUnusedLinesHead;
    for (const std::string& line : m_shown)
        text += "\n" + line;
    if (m_notShown > 0)
        text += "\nand " + std::to_string(m_notShown) + " more line" + (m_notShown > 1 ? "s" : "") +
                " not used.";
    if (!m_stopped.empty())
        text += "\n" + m_stopped;
    return text;
}

} // namespace quarrow
