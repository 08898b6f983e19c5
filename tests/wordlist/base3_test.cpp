// The built word list (VOCARI_DATA_DIR/Base3.txt) against forms checked by hand: the inflected
// forms players try must be there; forms with enclitic pronouns, elisions, names, numerals and
// truncated infinitives must not.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

struct WordList {
  std::string text;
  std::vector<std::string> words;
  std::unordered_set<std::string> set;
};

const WordList& list() {
  static const WordList w = [] {
    WordList out;
    const char* dir = std::getenv("VOCARI_DATA_DIR");
    std::ifstream in(std::string(dir ? dir : "") + "/Base3.txt", std::ios::binary);
    out.text.assign(std::istreambuf_iterator<char>(in), {});
    for (std::size_t start = 2, end; start <= out.text.size() && (end = out.text.find("\r\n", start)) != std::string::npos;
         start = end + 2)
      out.words.push_back(out.text.substr(start, end - start));
    out.set.insert(out.words.begin(), out.words.end());
    return out;
  }();
  return w;
}

std::vector<std::string> split(const char* words) {
  std::istringstream in(words);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

TEST(WordList, IsSortedUniqueUpperCaseWithCrLfAfterALeadingEmptyLine) {
  const auto& w = list();
  ASSERT_GT(w.text.size(), 2u) << "VOCARI_DATA_DIR/Base3.txt cannot be read: build the word list first";
  EXPECT_EQ(w.text.substr(0, 2), "\r\n");
  EXPECT_EQ(w.text.substr(w.text.size() - 2), "\r\n");
  EXPECT_GE(w.words.size(), 400000u);
  EXPECT_LE(w.words.size(), 700000u);
  for (std::size_t i = 0; i < w.words.size(); ++i) {
    const std::string& s = w.words[i];
    ASSERT_GE(s.size(), 2u) << "line " << i + 2;
    ASSERT_EQ(s.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos) << s;
    if (i > 0) {
      ASSERT_LT(w.words[i - 1], s) << "out of order or repeated";
    }
  }
}

// hand_checked_forms.txt: "+ name" starts a group of forms that must be words of the list, "- name"
// a group that must not; the other lines hold the group's forms.
TEST(WordList, HandCheckedFormsArePresentOrAbsent) {
  ASSERT_FALSE(list().set.empty());
  std::ifstream in(VOCARI_HAND_CHECKED_FORMS);
  ASSERT_TRUE(in) << VOCARI_HAND_CHECKED_FORMS;
  std::string line, group;
  bool present = true;
  int groups = 0, forms = 0;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '+' || line[0] == '-') {
      present = line[0] == '+';
      group = line.substr(2);
      ++groups;
      continue;
    }
    for (const auto& w : split(line.c_str())) {
      ++forms;
      EXPECT_EQ(list().set.count(w) == 1, present)
          << w << (present ? " is missing" : " should not be there") << " (" << group << ")";
    }
  }
  EXPECT_EQ(groups, 25);
  EXPECT_GE(forms, 500);
}

}  // namespace
