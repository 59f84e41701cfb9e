// The two floors that a whole morvactl process loading "Morva.ini" is
// measured against (bench/config_load_process.sh): "lower" reads the file
// with one read(), splits the lines with memchr and each line at its first
// "=" into two views kept in a vector; "inih" hands the file to inih's
// ini_parse. Each prints how many lines or pairs it saw.
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <ini.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

int lowerBound(const char* path)
{
    const int fd = ::open(path, O_RDONLY);
    if (fd < 0)
        return -1;
    struct stat info;
    ::fstat(fd, &info);
    std::string data(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t got = 0;
    while (got < data.size()) {
        const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    std::vector<std::pair<std::string_view, std::string_view>> lines;
    const char* p = data.data();
    const char* end = p + got;
    while (p < end) {
        const char* nl = static_cast<const char*>(std::memchr(p, '\n', end - p));
        if (!nl)
            nl = end;
        const std::string_view line(p, nl - p);
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            lines.emplace_back(line, std::string_view());
        else
            lines.emplace_back(line.substr(0, eq), line.substr(eq + 1));
        p = nl + 1;
    }
    return static_cast<int>(lines.size());
}

int countPair(void* user, const char*, const char*, const char*)
{
    ++*static_cast<int*>(user);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || (std::strcmp(argv[1], "lower") != 0 && std::strcmp(argv[1], "inih") != 0)) {
        std::fprintf(stderr, "usage: config_load_floor lower|inih FILE\n");
        return 2;
    }
    int count = 0;
    if (std::strcmp(argv[1], "lower") == 0)
        count = lowerBound(argv[2]);
    else if (ini_parse(argv[2], countPair, &count) < 0)
        count = -1;
    std::printf("%d\n", count);
    return count < 0 ? 1 : 0;
}
