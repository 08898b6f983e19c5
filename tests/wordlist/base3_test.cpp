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

struct Group {
  const char* name;
  const char* words;
};

// Forms checked by hand against an Italian grammar; accented endings folded (parlò: PARLO).
const Group kPresent[] = {
    {"the issue's words",
     "GATTE LUPA LUPE DINOSAURI LOGARITMI GANASCE MIMOSE CHILOMETRI GIORNALISTI ANEDDOTI AUTOSTRADE MANOVRA "
     "SPOSATI AMERICANI ELETTRONI RIFARE BRUTTISSIMO STANCHISSIMO INVERSAMENTE ESTETICAMENTE"},
    {"nouns and their plurals and feminines",
     "GATTO GATTI GATTA LUPO LUPI CASA CASE FUOCO FUOCHI BACIO BACI AMICO AMICI AMICA AMICHE OCA OCHE "
     "DINOSAURO LOGARITMO GANASCIA MIMOSA CHILOMETRO GIORNALISTA ANEDDOTO AUTOSTRADA ELETTRONE ELETTRONI "
     "STAZIONE STAZIONI CITTA PORTA PORTE GHIRO GHIRI ZAINO ZAINI STRADA STRADE IDEA IDEE AIUOLA AIUOLE"},
    {"adjectives, superlatives and adverbs",
     "BELLO BELLI BELLA BELLE BELLISSIMO BELLISSIMA BELLISSIMI BELLISSIME RAPIDO RAPIDI RAPIDA RAPIDE "
     "RAPIDAMENTE RAPIDISSIMO FACILE FACILI FACILMENTE FACILISSIMO VELOCE VELOCI VELOCEMENTE VELOCISSIMO "
     "VELOCISSIMA BRUTTO BRUTTA BRUTTI BRUTTE STANCO STANCHI STANCA STANCHE STANCHISSIMA INVERSO INVERSI "
     "INVERSA INVERSE ESTETICO AMERICANO AMERICANA AMERICANE ROSSO ROSSA"},
    {"parlare, every simple form",
     "PARLARE PARLO PARLI PARLA PARLIAMO PARLATE PARLANO PARLAVO PARLAVI PARLAVA PARLAVAMO PARLAVATE PARLAVANO "
     "PARLAI PARLASTI PARLAMMO PARLASTE PARLARONO PARLERO PARLERAI PARLERA PARLEREMO PARLERETE PARLERANNO "
     "PARLEREI PARLERESTI PARLEREBBE PARLEREMMO PARLERESTE PARLEREBBERO PARLIATE PARLINO PARLASSI PARLASSE "
     "PARLASSIMO PARLASSERO PARLANDO PARLANTE PARLANTI PARLATO PARLATA PARLATI"},
    {"vendere and temere",
     "VENDERE VENDO VENDI VENDE VENDIAMO VENDETE VENDONO VENDEVO VENDEVI VENDEVA VENDEVAMO VENDEVATE VENDEVANO "
     "VENDEI VENDETTI VENDESTI VENDETTE VENDEMMO VENDESTE VENDETTERO VENDERO VENDERAI VENDERA VENDEREMO "
     "VENDERETE VENDERANNO VENDEREI VENDERESTI VENDEREBBE VENDEREMMO VENDERESTE VENDEREBBERO VENDA VENDIATE "
     "VENDANO VENDESSI VENDESSE VENDESSIMO VENDESSERO VENDENDO VENDENTE "
     "TEMO TEMI TEME TEMIAMO TEMETE TEMONO TEMEVO TEMEVA TEMERO TEMEREBBE TEMA TEMANO TEMESSE TEMENDO"},
    {"dormire and finire",
     "DORMIRE DORMO DORMI DORME DORMIAMO DORMITE DORMONO DORMIVO DORMIVI DORMIVA DORMIVAMO DORMIVATE DORMIVANO "
     "DORMII DORMISTI DORMIMMO DORMISTE DORMIRONO DORMIRO DORMIRAI DORMIRA DORMIREMO DORMIRETE DORMIRANNO "
     "DORMIREI DORMIRESTI DORMIREBBE DORMIREMMO DORMIRESTE DORMIREBBERO DORMA DORMIATE DORMANO DORMISSI "
     "DORMISSE DORMISSIMO DORMISSERO DORMENDO "
     "FINIRE FINISCO FINISCI FINISCE FINIAMO FINITE FINISCONO FINIVO FINIVI FINIVA FINIVANO FINII FINISTI "
     "FINIMMO FINIRONO FINIRO FINIRAI FINIREMO FINIREBBE FINISCA FINISCANO FINISSI FINISSERO FINENDO"},
    {"fare, rifare, strafare",
     "FARE FACCIO FAI FA FACCIAMO FATE FANNO FACEVO FACEVI FACEVA FACEVAMO FACEVATE FACEVANO FECI FACESTI "
     "FECE FACEMMO FACESTE FECERO FARO FARAI FARA FAREMO FARETE FARANNO FAREI FARESTI FAREBBE FAREMMO "
     "FARESTE FAREBBERO FACCIA FACCIATE FACCIANO FACESSI FACESSE FACESSIMO FACESSERO FACENDO "
     "RIFACCIO RIFAI RIFACEVA RIFECE RIFAREBBE RIFACENDO STRAFARE STRAFACCIO"},
    {"venire, condurre, porre",
     "VENIRE VENGO VIENI VIENE VENIAMO VENITE VENGONO VENIVO VENIVA VENNI VENISTI VENNE VENIMMO VENISTE "
     "VENNERO VERRO VERRAI VERRA VERREMO VERRETE VERRANNO VERREI VERREBBE VENGA VENGANO VENISSI VENISSE "
     "VENENDO CONDURRE CONDUCO CONDUCI CONDUCE CONDUCIAMO CONDUCETE CONDUCONO CONDUCEVO CONDUSSI CONDUSSE "
     "CONDUSSERO CONDURRO CONDURREBBE CONDUCA CONDUCESSI CONDUCENDO PORRE PONGO PONI PONE PONIAMO PONETE "
     "PONGONO PONEVO POSI POSE POSERO PORRO PORREBBE PONGA PONESSI PONENDO"},
    {"sposare, manovrare, mangiare",
     "SPOSARE SPOSO SPOSA SPOSIAMO SPOSAVA SPOSARONO SPOSERA SPOSINO SPOSANDO SPOSATO SPOSATA SPOSATE "
     "MANOVRO MANOVRA MANOVRANO MANOVRAVA MANOVRERA MANOVRATO MANGIO MANGI MANGIA MANGIAVI MANGIAVA "
     "MANGIAMMO MANGERO MANGEREBBE MANGIASSI MANGIANDO"},
    {"prefixed forms",
     "RIPORTA RIPORTARE RIPORTAVA RIFARE RIFATTO SPORTA PREVEDERE"},
    {"compound numbers up to the units, ordinals, ages",
     "CINQUANTADUE VENTITRE CENTOUNO DICIANNOVESIMO VENTUNESIMO DICIANNOVENNE CINQUANTENNE"},
    {"enclitic forms that witalian lists stay",
     "MANGIARNE FARLO DAMMELO FACCIAMOLO PARLARGLI"},
    {"words the guide and the advice quote",
     "CASA CASE CASO CASI PORTA PORTE GHIRO ROSSO ROSSA AMA AMI AMO AMATO AMAVO PARLANO RIPORTA SPORTA "
     "GATTO GATTINO GATTONE LETTO LETTINO ZAINO CHE CHI OCHE QUA QUI QUO QUASI QUOTA RE TE ORO ORA ORE "
     "AIUOLA IDEA STRADA"},
};

const Group kAbsent[] = {
    {"enclitic pronouns (the issue's and more)",
     "MANGIARLO PORTAMI TROVARTELO SPOSARMI MANGIALO MANGIAMOLO MANGIATELO MANGIANDOLO MANGIARVI "
     "PARLANDOLE PARLATEMI PARLAMI SPOSANDOSI SPOSATASI VENDUTOMI VENDENDOLO VENDIMI VENDETELO "
     "DORMIRVI FINISCILO FINIAMOLO FINENDOLA FATEMELO CONDUCENDOLA CONDUCILO PONETELO VENITECI "
     "DORMENDOCI VENDERLE MANOVRANDOLO PARLANTESI PARLAVASI VENDESI SPOSATOSI MANOVRARLA MANOVRATELA"},
    {"elided forms, never glued",
     "DELLAMICO LAMICO UNAMICA DALLACQUA NELLANIMA SULLALBERO QUESTANNO QUELLUOMO BELLUOMO SANTANNA "
     "MAMICO TANIMA CIASCUNAMICA"},
    {"truncated infinitives",
     "MANGIAR PARLAR DORMIR SPOSAR MANOVRAR FINIR"},
    {"names, Roman numerals, compound numbers, one letter",
     "ROMA MARIO ITALIA XIV MCM MMXX CXL DUEMILACENTODIECI CENTODECIMO MILLEDUECENTO TREMILADIECI A E"},
};

void PrintTo(const Group& g, std::ostream* os) { *os << g.name; }

class Present : public ::testing::TestWithParam<Group> {};
class Absent : public ::testing::TestWithParam<Group> {};

TEST_P(Present, AreWordsOfTheList) {
  ASSERT_FALSE(list().set.empty());
  for (const auto& w : split(GetParam().words)) EXPECT_TRUE(list().set.count(w)) << w << " is missing";
}

TEST_P(Absent, AreNotWordsOfTheList) {
  ASSERT_FALSE(list().set.empty());
  for (const auto& w : split(GetParam().words)) EXPECT_FALSE(list().set.count(w)) << w << " should not be there";
}

std::string groupName(const ::testing::TestParamInfo<Group>& info) { return "Group" + std::to_string(info.index); }

INSTANTIATE_TEST_SUITE_P(HandChecked, Present, ::testing::ValuesIn(kPresent), groupName);
INSTANTIATE_TEST_SUITE_P(HandChecked, Absent, ::testing::ValuesIn(kAbsent), groupName);

}  // namespace
