#include <string>
#include <vector>

#include "core/dictionary.h"
#include "core/search.h"
#include "fuzz/checks/fuzz_checks.h"

namespace vocari::fuzz {
namespace {

constexpr std::size_t kMaxProbes = 24;
constexpr std::size_t kMaxProbeLength = 20;
constexpr std::size_t kMaxLinesProbed = 48;
// The reference walk costs a scan of the whole text per probe; boards whose walk needs more
// probes than this are left to the probe comparison alone.
constexpr long kReferenceProbeBudget = 4000;

bool isDieChar(char c) { return DictionaryIndex::symbol(c) >= 0; }

// Any byte becomes a die character: die characters stand for themselves.
char toDieChar(char c) {
  if (isDieChar(c)) return c;
  return DictionaryIndex::character(int(static_cast<unsigned char>(c) % DictionaryIndex::kSymbols));
}

std::string visible(std::string_view s) {
  std::string out;
  for (char c : s) {
    if (c == '\r')
      out += "\\r";
    else if (c == '\n')
      out += "\\n";
    else
      out += c;
  }
  return out;
}

// Probe words: the die-character runs of the probe text, and for the first lines of the
// dictionary text the run that follows each CR LF with one more die character on it.
std::vector<std::string> probeWords(std::string_view text, std::string_view probeText) {
  std::vector<std::string> probes{""};
  std::string run;
  for (char c : probeText) {
    if (isDieChar(c)) {
      if (run.size() < kMaxProbeLength) run += c;
      continue;
    }
    if (!run.empty() && probes.size() < kMaxProbes) probes.push_back(run);
    run.clear();
  }
  if (!run.empty() && probes.size() < kMaxProbes) probes.push_back(run);

  std::size_t lines = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string_view::npos && lines < kMaxLinesProbed;
       at = text.find("\r\n", at + 1), ++lines) {
    std::string word;
    for (std::size_t i = at + 2;
         i < text.size() && isDieChar(text[i]) && word.size() < kMaxProbeLength; ++i)
      word += text[i];
    probes.push_back(word + 'A');
    probes.push_back(word + '-');
    probes.push_back(word + 'Z');
    probes.push_back(word);
  }
  return probes;
}

struct BudgetSpent {};

}  // namespace

Failure checkDictionary(std::string_view input) {
  Board board = emptyBoard();
  for (int i = 0; i < kDice; ++i)
    board[dicePos[i]] = std::size_t(i) < input.size() ? toDieChar(input[std::size_t(i)]) : 'A';
  const std::string_view rest = input.size() > kDice ? input.substr(kDice) : std::string_view();
  const std::size_t cut = rest.rfind('\0');
  const std::string_view text = cut == std::string_view::npos ? rest : rest.substr(0, cut);
  const std::string_view probeText =
      cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);

  const Dictionary dict{std::string(text)};
  for (const std::string& probe : probeWords(text, probeText)) {
    // Every prefix of the probe, the empty word included.
    for (std::size_t n = 0; n <= probe.size(); ++n) {
      const std::string_view w = std::string_view(probe).substr(0, n);
      if (dict.isPrefix(w) != literalIsPrefix(text, w))
        return "isPrefix(\"" + std::string(w) + "\") differs, dictionary \"" + visible(text) + "\"";
      if (dict.isWord(w) != literalIsWord(text, w))
        return "isWord(\"" + std::string(w) + "\") differs, dictionary \"" + visible(text) + "\"";
    }
  }

  std::string boardText;
  for (int p : dicePos) boardText += board[p];
  int yields = 0;
  const std::optional<std::vector<std::string>> fast =
      findSolutions(board, dict, [&yields] { return ++yields > 0; });
  if (!fast) return "findSolutions was abandoned though every yield said go on";
  if (findSolutions(board, dict, [] { return false; }))
    return "findSolutions went on after a yield said stop";

  long probesLeft = kReferenceProbeBudget;
  auto spend = [&probesLeft] {
    if (--probesLeft < 0) throw BudgetSpent{};
  };
  std::vector<std::string> reference;
  try {
    reference = referenceSolutions(
        board, [&](std::string_view w) { return spend(), literalIsPrefix(text, w); },
        [&](std::string_view w) { return spend(), literalIsWord(text, w); });
  } catch (const BudgetSpent&) {
    return std::nullopt;
  }
  if (*fast != reference) {
    std::string msg = "board " + boardText + ", dictionary \"" + visible(text) + "\": fast";
    for (const std::string& w : *fast) msg += " " + w;
    msg += " / reference";
    for (const std::string& w : reference) msg += " " + w;
    return msg;
  }
  return std::nullopt;
}

}  // namespace vocari::fuzz
