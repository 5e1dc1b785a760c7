// Writes the generated inputs of bench/speed_bench.sh, the same bytes on
// every machine (fixed seeds):
//   speed_data log <file> [megabytes]     CR LF log lines of about 104 bytes:
//       3% empty, 10% with trailing spaces, about 23% naming a cat or a moose
//       and 17% a dog or an elk, in mixed letter case (default 100 MB)
//   speed_data people <file> [megabytes]  "Name: Walker, Deborah; Age: 57;
//       City: Vilnius" CR LF lines (default 50 MB)
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace {

using Random = std::mt19937;

std::string_view Pick(Random& random, std::initializer_list<std::string_view> words) {
  return words.begin()[random() % words.size()];
}

bool Chance(Random& random, int percent) { return static_cast<int>(random() % 100) < percent; }

// The word in a random letter case, so the lists' case folding has work.
std::string MixedCase(Random& random, std::string_view word) {
  std::string out(word);
  const unsigned style = random() % 4;
  for (char& c : out) {
    if (style == 1 || (style == 3 && random() % 2 == 0)) c = static_cast<char>(c - 'a' + 'A');
    if (style == 2 && &c == &out.front()) c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

void AppendNumber(std::string& line, unsigned value, int width) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%0*u", width, value);
  line += digits;
}

std::string LogLine(Random& random) {
  if (Chance(random, 3)) return "";
  std::string line = "2026-03-";
  AppendNumber(line, 10 + random() % 20, 2);
  line += ' ';
  AppendNumber(line, random() % 24, 2);
  line += ':';
  AppendNumber(line, random() % 60, 2);
  line += ':';
  AppendNumber(line, random() % 60, 2);
  line += ' ';
  line += Pick(random, {"INFO ", "WARN ", "DEBUG", "ERROR"});
  line += " [worker-";
  AppendNumber(line, random() % 16, 2);
  line += ']';
  const bool keepTerm = Chance(random, 23);
  const bool deleteTerm = Chance(random, 17);
  const std::size_t length = 88 + random() % 30;
  const std::size_t termAt = 32 + random() % 50;
  while (line.size() < length) {
    line += ' ';
    if (keepTerm && line.size() >= termAt && line.size() < termAt + 12) {
      line += MixedCase(random, Pick(random, {"cat", "moose"}));
    } else if (deleteTerm && line.size() >= termAt + 12 && line.size() < termAt + 24) {
      line += MixedCase(random, Pick(random, {"dog", "elk"}));
    } else {
      line += Pick(random, {"request", "served", "cache", "miss", "user", "session", "opened", "closed",
                            "payload", "retry", "timeout", "queue", "flushed", "cart", "moo", "do"});
    }
  }
  if (Chance(random, 10)) line.append(1 + random() % 4, ' ');
  return line;
}

std::string PersonLine(Random& random) {
  std::string line = "Name: ";
  line += Pick(random, {"Walker", "Okafor", "Lindqvist", "Moreau", "Kowalski", "Tanaka", "Haddad",
                        "Fernandes", "Novak", "Byrne", "Schulz", "Petrov", "Ito", "Mensah"});
  line += ", ";
  line += Pick(random, {"Deborah", "Ade", "Karin", "Luc", "Zofia", "Hiro", "Nadia", "Joao", "Petra",
                        "Sean", "Anke", "Ivan", "Emi", "Kofi", "Maria", "Tom"});
  line += "; Age: ";
  AppendNumber(line, 18 + random() % 70, 1);
  line += "; City: ";
  line += Pick(random, {"Vilnius", "Lagos", "Uppsala", "Lyon", "Gdansk", "Osaka", "Beirut", "Porto",
                        "Brno", "Cork", "Kiel", "Kazan", "Accra", "Quito"});
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: speed_data log|people <file> [megabytes]\n");
    return 2;
  }
  const std::string_view kind = argv[1];
  if (kind != "log" && kind != "people") {
    std::fprintf(stderr, "speed_data: unknown kind %s\n", argv[1]);
    return 2;
  }
  const bool log = kind == "log";
  const std::size_t megabytes = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : (log ? 100 : 50);
  const std::size_t total = megabytes * 1000 * 1000;
  Random random(log ? 13 : 17);
  std::ofstream out(argv[2], std::ios::binary);
  for (std::size_t written = 0; written < total && out;) {
    const std::string line = (log ? LogLine(random) : PersonLine(random)) + "\r\n";
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
    written += line.size();
  }
  return out ? 0 : 1;
}
