// Parse speed and peak memory of the agent's library reader on a generated 50 000-track iTunes
// library XML file. Usage: bench_lyrafon_parse [tracks=50000] [mode=compare], mode one of
//   compare: CreateAgent_kvt against a bare expat parse of the same file and against
//            `xmllint --stream`, in turns over three rounds; the best of each gives the ratios.
//   reader: the SAX reader alone (what CreateAgent_kvt costs beyond reaching iTunes);
//   agent:  CreateAgent_kvt through the library, with the iTunes host ready to read the same file;
//   save:   one change saved by the iTunes host (delete a track: the whole file is rewritten).
// Run each of the last three in its own process: the peak memory is the process's.

#include "AgentSession.h"
#include "ITunesLibrary.h"
#include "LibraryXmlReader.h"
#include "Lyrafon.h"

#include <expat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace
{

void writeLibrary(const std::string& path, int count)
{
    std::ofstream out(path, std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple Computer//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n<plist version=\"1.0\">\n<dict>\n"
           "\t<key>Major Version</key><integer>1</integer>\n"
           "\t<key>Library Persistent ID</key><string>0123456789ABCDEF</string>\n"
           "\t<key>Tracks</key>\n\t<dict>\n";
    char pid[17];
    for (int i = 0; i < count; ++i)
    {
        const int id = 1000 + 2 * i;
        std::snprintf(pid, sizeof pid, "%016X", 0x5A000000u + static_cast<unsigned>(i));
        out << "\t\t<key>" << id << "</key>\n\t\t<dict>\n"
            << "\t\t\t<key>Track ID</key><integer>" << id << "</integer>\n"
            << "\t\t\t<key>Name</key><string>Song number " << i << " &#38; friends</string>\n"
            << "\t\t\t<key>Artist</key><string>Artist " << i % 977 << "</string>\n"
            << "\t\t\t<key>Album Artist</key><string>Artist " << i % 977 << "</string>\n"
            << "\t\t\t<key>Album</key><string>Album " << i % 4001 << "</string>\n"
            << "\t\t\t<key>Genre</key><string>Rock</string>\n"
            << "\t\t\t<key>Kind</key><string>MPEG audio file</string>\n"
            << "\t\t\t<key>Size</key><integer>" << 3000000 + i << "</integer>\n"
            << "\t\t\t<key>Total Time</key><integer>" << 180000 + i << "</integer>\n"
            << "\t\t\t<key>Track Number</key><integer>" << i % 12 + 1 << "</integer>\n"
            << "\t\t\t<key>Year</key><integer>" << 1960 + i % 60 << "</integer>\n"
            << "\t\t\t<key>Date Modified</key><date>2020-01-02T03:04:05Z</date>\n"
            << "\t\t\t<key>Date Added</key><date>2020-01-02T03:04:05Z</date>\n"
            << "\t\t\t<key>Bit Rate</key><integer>320</integer>\n"
            << "\t\t\t<key>Sample Rate</key><integer>44100</integer>\n"
            << "\t\t\t<key>Play Count</key><integer>" << i % 40 << "</integer>\n"
            << "\t\t\t<key>Persistent ID</key><string>" << pid << "</string>\n"
            << "\t\t\t<key>Track Type</key><string>File</string>\n"
            << "\t\t\t<key>Location</key><string>file://localhost/home/u/Music/Artist%20" << i % 977
            << "/Album%20" << i % 4001 << "/Song%20" << i << ".mp3</string>\n"
            << "\t\t\t<key>File Folder Count</key><integer>4</integer>\n"
            << "\t\t\t<key>Library Folder Count</key><integer>1</integer>\n"
            << "\t\t</dict>\n";
    }
    out << "\t</dict>\n\t<key>Playlists</key>\n\t<array>\n";
    for (int kind : {-1, 4})
    {
        out << "\t\t<dict>\n\t\t\t<key>Name</key><string>" << (kind == 4 ? "Music" : "Library")
            << "</string>\n";
        if (kind == 4)
            out << "\t\t\t<key>Distinguished Kind</key><integer>4</integer>\n";
        else
            out << "\t\t\t<key>Master</key><true/>\n\t\t\t<key>Visible</key><false/>\n";
        out << "\t\t\t<key>All Items</key><true/>\n\t\t\t<key>Playlist Items</key>\n\t\t\t<array>\n";
        for (int i = 0; i < count; ++i)
            out << "\t\t\t\t<dict>\n\t\t\t\t\t<key>Track ID</key><integer>" << 1000 + 2 * i
                << "</integer>\n\t\t\t\t</dict>\n";
        out << "\t\t\t</array>\n\t\t</dict>\n";
    }
    out << "\t</array>\n</dict>\n</plist>\n";
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A bare expat parse: every element and text run reaches an empty handler. True when well formed.
bool expatParse(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetElementHandler(
        parser, [](void*, const XML_Char*, const XML_Char**) {}, [](void*, const XML_Char*) {});
    XML_SetCharacterDataHandler(parser, [](void*, const XML_Char*, int) {});
    std::vector<char> buffer(1 << 16);
    bool ok = true;
    for (;;)
    {
        const size_t n = std::fread(buffer.data(), 1, buffer.size(), file);
        if (XML_Parse(parser, buffer.data(), static_cast<int>(n), n == 0) == XML_STATUS_ERROR)
        {
            ok = false;
            break;
        }
        if (n == 0)
            break;
    }
    XML_ParserFree(parser);
    std::fclose(file);
    return ok;
}

// `xmllint --stream --noout`; a negative time when it is not there or fails.
double xmllintSeconds(const std::string& path)
{
    const std::string command = "xmllint --stream --noout '" + path + "' 2>/dev/null";
    const auto start = std::chrono::steady_clock::now();
    const int rc = std::system(command.c_str());
    const double seconds = secondsSince(start);
    return rc == 0 ? seconds : -1.0;
}

int compare(const std::string& path, int count)
{
    setenv("TIDEWELL_ITUNES_LIBRARY", path.c_str(), 1);
    double bestAgent = 1e9, bestExpat = 1e9, bestXmllint = 1e9;
    bool haveXmllint = true;
    for (int round = 0; round < 3; ++round)
    {
        auto start = std::chrono::steady_clock::now();
        if (!expatParse(path))
            return 1;
        const double expat = secondsSince(start);
        bestExpat = std::min(bestExpat, expat);

        start = std::chrono::steady_clock::now();
        const int result = CreateAgent_kvt(path.c_str());
        const int exported = GetTrackCount_kvt();
        const double agent = secondsSince(start);
        bestAgent = std::min(bestAgent, agent);
        std::printf("round %d: CreateAgent_kvt %.3f s, expat %.3f s\n", round + 1, agent, expat);
        DestroyAgent_kvt(1);
        if (result != 0 || exported != count)
        {
            std::printf("agent failed: result %d, exported %d\n", result, exported);
            return 1;
        }

        const double lint = haveXmllint ? xmllintSeconds(path) : -1.0;
        haveXmllint = lint >= 0;
        if (haveXmllint)
            bestXmllint = std::min(bestXmllint, lint);
    }
    std::printf("best of 3: CreateAgent_kvt %.3f s, bare expat parse %.3f s", bestAgent, bestExpat);
    if (haveXmllint)
        std::printf(", xmllint --stream %.3f s", bestXmllint);
    std::printf("\nratio CreateAgent_kvt / expat: %.2f", bestAgent / bestExpat);
    if (haveXmllint)
        std::printf(", / xmllint --stream: %.2f", bestAgent / bestXmllint);
    std::printf("\n");
    return 0;
}

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 50000;
    const char* mode = argc > 2 ? argv[2] : "compare";
    const bool agent = std::strcmp(mode, "agent") == 0;
    const bool save = std::strcmp(mode, "save") == 0;
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("lyrafon-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "iTunes Music Library.xml").string();
    writeLibrary(path, count);
    const auto bytes = std::filesystem::file_size(path);
    if (std::strcmp(mode, "compare") == 0)
    {
        std::printf("%d tracks, file %.1f MB\n", count, static_cast<double>(bytes) / 1e6);
        const int rc = compare(path, count);
        std::filesystem::remove_all(dir);
        return rc;
    }
    const long rssBefore = peakRssKb();

    int result = 0;
    int exported = 0;
    std::shared_ptr<tidewell::ithost::ITunesLibrary> library;
    if (save && tidewell::ithost::ITunesLibrary::open(path, library) != tidewell::ithost::kOk)
        return 1;
    const auto start = std::chrono::steady_clock::now();
    if (save)
    {
        result = library->remove(0x5A000000u + static_cast<unsigned>(count / 2));
        exported = library->trackCount() + 1;
    }
    else if (agent)
    {
        setenv("TIDEWELL_ITUNES_LIBRARY", path.c_str(), 1);
        result = CreateAgent_kvt(path.c_str());
        exported = GetTrackCount_kvt();
    }
    else
    {
        lyrafon::AgentSession session;
        session.hasLists = true;
        lyrafon::LibraryXmlReader reader(session, nullptr);
        result = reader.parseFile(path);
        exported = session.trackCount();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long rssPeak = peakRssKb();
    if (agent)
        DestroyAgent_kvt(1);
    std::filesystem::remove_all(dir);

    std::printf("mode %s: %d tracks, file %.1f MB, result %d, exported %d\n", mode, count,
                static_cast<double>(bytes) / 1e6, result, exported);
    if (save)
        std::printf("one change saved in %.3f s\n", seconds);
    else
        std::printf("time %.3f s, %.0f tracks/s\n", seconds, count / seconds);
    std::printf("peak RSS %.1f MB (%.1f MB before parsing)\n", static_cast<double>(rssPeak) / 1024.0,
                static_cast<double>(rssBefore) / 1024.0);
    return result == 0 && exported == count ? 0 : 1;
}
