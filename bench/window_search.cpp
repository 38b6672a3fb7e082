// The switcher's filtering after a keystroke: 500 listed windows, a query typed letter by letter,
// the platform-free matcher over a stand-in comparison, beside the floor of a plain substring scan
// of the same titles. Prints figures; asserts nothing.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/ui/window_search.h"
#include "tests/unit/fakes/fake_text_search.h"

namespace {

constexpr int kWindows = 500;

double MedianMicroseconds(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <class Work>
double Time(Work work)
{
    std::vector<double> runs;
    for (int i = 0; i < 200; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        runs.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    return MedianMicroseconds(runs);
}

}  // namespace

int main()
{
    const char16_t* words[] = {u"News", u"Weather", u"Caf\u00E9", u"\u30CB\u30E5\u30FC\u30B9", u"Shop", u"Maps",
                               u"Mail", u"Docs"};
    std::vector<SearchRow> rows;
    for (int i = 0; i < kWindows; ++i)
        rows.push_back({std::u16string(words[i % 8]) + u" page " + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)) +
                            u" - Google Chrome with a longer title as today's pages have them",
                        static_cast<uint32_t>(i)});
    FakeTextSearch search;
    const std::u16string query = u"weather chrome";
    std::printf("window_search: filtering %d windows after each keystroke of \"weather chrome\" (native, median)\n",
                kWindows);
    size_t sink = 0;
    for (size_t typed = 1; typed <= query.size(); typed += 4) {
        const std::u16string part = query.substr(0, typed);
        const double matcher = Time([&] { sink += FindRows(rows, part, search).size(); });
        const double floor = Time([&] {
            for (const SearchRow& row : rows)
                sink += row.title.find(part) != std::u16string::npos;
        });
        std::printf("  %-16s matcher %8.1f us   plain substring scan %8.1f us\n",
                    ("\"" + std::string(part.begin(), part.end()) + "\"").c_str(), matcher, floor);
    }
    std::printf("  (checksum %zu)\n", sink);
    return 0;
}
