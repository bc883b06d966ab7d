#include "keypad/keypad.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>
#include <vector>

namespace dialhour {
namespace {

// Chinese, Japanese, Thai and the like run a number into the words around it.
bool writesNoSpaces(QChar c)
{
    switch (c.script()) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Bopomofo:
    case QChar::Script_Thai:
    case QChar::Script_Lao:
    case QChar::Script_Khmer:
    case QChar::Script_Myanmar:
    case QChar::Script_Tibetan:
    case QChar::Script_Yi:
        return true;
    default:
        // The long-vowel mark is written in katakana words but belongs to no one script.
        return c == u'\u30FC' || c.unicode() >= 0xFF00;
    }
}

// Text as a reader sees it: invisible format characters dropped wherever they stand (web pages
// put them in numbers to stop phone links); full-width forms, as East Asian input methods type
// them, as their ASCII forms; a long-vowel mark between digits, typed for a dash, as a dash; the
// no-break spaces of HTML source as spaces.
QString cleaned(QStringView text)
{
    static constexpr std::array<QStringView, 3> Spaces{u"&nbsp;", u"&#160;", u"&#xa0;"};
    const qsizetype size = text.size();
    QString out(size, Qt::Uninitialized);
    QChar *const first = out.data();
    QChar *write = first;
    for (qsizetype i = 0; i < size; ++i) {
        QChar c = text[i];
        if (c.unicode() < 0x80 && c != u'&') {
            *write++ = c;
            continue;
        }
        if (c.category() == QChar::Other_Format)
            continue;
        if (c == u'&') {
            const QStringView rest = text.sliced(i, std::min<qsizetype>(6, size - i));
            const auto space = std::find_if(Spaces.begin(), Spaces.end(), [rest](QStringView s) {
                return rest.compare(s, Qt::CaseInsensitive) == 0;
            });
            if (space != Spaces.end()) {
                *write++ = u' ';
                i += space->size() - 1;
                continue;
            }
        } else if (c.unicode() >= 0xFF01 && c.unicode() <= 0xFF5E) {
            c = QChar(char16_t(c.unicode() - 0xFF01 + 0x21));
        } else if (c == u'\u3000') {
            c = u' ';
        } else if ((c == u'\u30FC' || c == u'\uFF70') && write != first && write[-1].isDigit()) {
            qsizetype next = i + 1;
            while (next < size && text[next].category() == QChar::Other_Format)
                ++next;
            if (next < size && (text[next].isDigit() ||
                                (text[next].unicode() >= 0xFF10 && text[next].unicode() <= 0xFF19)))
                c = u'-';
        }
        *write++ = c;
    }
    out.truncate(write - first);
    return out;
}

// What a character is to a number.
enum class Class : quint8 { Digit, Space, LineBreak, Mark, Open, Close, Wide, Letter, Plus, Other };

// Between the groups of a number: spaces of every width, no-break ones too; dots, middle dots,
// hyphens and every other dash; the minus sign some editors put for a hyphen; parentheses,
// square brackets and slashes. The characters named here; Other for the rest.
constexpr Class namedClass(char16_t u)
{
    if (u >= u'0' && u <= u'9')
        return Class::Digit;
    if ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z'))
        return Class::Letter;
    switch (u) {
    case u' ':
    case u'\u00A0':
        return Class::Space;
    case u'\n':
    case u'\r':
    case u'\t':
    case u'\v':
    case u'\f':
    case u'\u2028':
    case u'\u2029':
        return Class::LineBreak;
    case u'.':
    case u'-':
    case u'/':
    case u'\u2212':
    case u'\u00B7':
    case u'\u2027':
    case u'\u30FB':
        return Class::Mark;
    case u'(':
    case u'[':
        return Class::Open;
    case u')':
    case u']':
        return Class::Close;
    case u'+':
        return Class::Plus;
    default:
        return Class::Other;
    }
}

constexpr auto AsciiClasses = [] {
    std::array<Class, 0x80> classes{};
    for (char16_t u = 0; u < 0x80; ++u)
        classes[u] = namedClass(u);
    return classes;
}();

inline Class classOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return AsciiClasses[u];
    if (const Class named = namedClass(u); named != Class::Other)
        return named;
    if (c.isDigit())
        return Class::Digit;
    if (c.isSpace())
        return Class::Space;
    if (c.category() == QChar::Punctuation_Dash)
        return Class::Mark;
    if (writesNoSpaces(c))
        return Class::Wide;
    // Numbers that are not digits (fractions, numerals) join a word as letters do.
    if (c.isLetterOrNumber() || c.isMark())
        return Class::Letter;
    return Class::Other;
}

// A letter standing for the keypad's digit: ABC is 2, … WXYZ 9.
int keypadLetter(QChar c)
{
    const char16_t letter =
        c.unicode() >= u'a' && c.unicode() <= u'z' ? c.unicode() - 32 : c.unicode();
    if (letter < u'A' || letter > u'Z')
        return -1;
    constexpr char digits[] = "22233344455566677778889999";
    return digits[letter - u'A'] - '0';
}

// The text in runs: digits, words, separators between them, and single other characters.
struct Token {
    enum Kind : quint8 { Digits, Letters, Separator, Plus, Wide, Other } kind;
    // Of a separator: whether it holds a space, a mark, a bracket, or breaks the line.
    bool space = false, mark = false, open = false, close = false, lineBreak = false;
    qsizetype begin = 0, end = 0;
    qsizetype size() const { return end - begin; }
};

std::vector<Token> tokens(QStringView text)
{
    std::vector<Token> out;
    out.reserve(text.size() / 2 + 1); // about as many as ordinary text has
    const qsizetype size = text.size();
    Class next = size ? classOf(text[0]) : Class::Other;
    for (qsizetype i = 0; i < size;) {
        const Class kind = next;
        Token token{Token::Other};
        token.begin = i;
        const auto runOf = [&](auto same) {
            do {
                ++i;
                next = i < size ? classOf(text[i]) : Class::Other;
            } while (i < size && same(next));
        };
        switch (kind) {
        case Class::Digit:
        case Class::Letter:
        case Class::Wide:
            token.kind = kind == Class::Digit  ? Token::Digits
                         : kind == Class::Wide ? Token::Wide
                                               : Token::Letters;
            runOf([kind](Class c) { return c == kind; });
            break;
        case Class::Space:
        case Class::LineBreak:
        case Class::Mark:
        case Class::Open:
        case Class::Close: {
            token.kind = Token::Separator;
            const auto note = [&token](Class c) {
                token.space = token.space || c == Class::Space || c == Class::LineBreak;
                token.lineBreak = token.lineBreak || c == Class::LineBreak;
                token.mark =
                    token.mark || c == Class::Mark || c == Class::Open || c == Class::Close;
                token.open = token.open || c == Class::Open;
                token.close = token.close || c == Class::Close;
                return c == Class::Space || c == Class::LineBreak || c == Class::Mark ||
                       c == Class::Open || c == Class::Close;
            };
            note(kind);
            runOf(note);
            break;
        }
        case Class::Plus:
        case Class::Other:
            token.kind = kind == Class::Plus ? Token::Plus : Token::Other;
            runOf([](Class) { return false; });
        }
        token.end = i;
        out.push_back(token);
    }
    return out;
}

// The words that say what kind of number follows them, in the languages Dialhour speaks. The
// vCard types of line ("work", "home", "voice") say nothing either way.
enum class Label { None, Phone, Fax };

Label labelOf(QStringView word)
{
    static constexpr QStringView faxes[]{u"fax",     u"f",           u"fx",          u"facsimile",
                                         u"telefax", u"télécopieur", u"telecopieur", u"téléc",
                                         u"telec",   u"facsímil",    u"facsimil"};
    static constexpr QStringView phones[]{
        u"tel",   u"t",       u"phone",   u"ph",      u"telephone", u"téléphone",
        u"tél",   u"mobile",  u"mobil",   u"cell",    u"cellular",  u"cellulaire",
        u"cel",   u"celular", u"office",  u"call",    u"teléfono",  u"telefono",
        u"móvil", u"movil",   u"direct",  u"main",    u"m",         u"c",
        u"o",     u"p",       u"appeler", u"appelez", u"llame",     u"llamar"};
    const auto in = [word](const auto &list) {
        return std::any_of(std::begin(list), std::end(list), [word](QStringView label) {
            return word.compare(label, Qt::CaseInsensitive) == 0;
        });
    };
    if (word.size() > 12)
        return Label::None;
    if (in(faxes))
        return Label::Fax;
    if (in(phones))
        return Label::Phone;
    return Label::None;
}

// The kinds of street that follow a house number: words after one are an address, not a number.
bool isStreetWord(QStringView word)
{
    static constexpr QStringView streets[]{
        u"st",    u"street", u"ave", u"avenue", u"rd",      u"road",   u"blvd",  u"dr",   u"drive",
        u"ln",    u"lane",   u"way", u"ct",     u"court",   u"pl",     u"place", u"pkwy", u"hwy",
        u"suite", u"ste",    u"apt", u"floor",  u"fl",      u"sq",     u"ter",   u"cir",  u"plaza",
        u"park",  u"ne",     u"nw",  u"se",     u"sw",      u"north",  u"south", u"east", u"west",
        u"route", u"rte",    u"box", u"unit",   u"parkway", u"highway"};
    return std::any_of(std::begin(streets), std::end(streets), [word](QStringView street) {
        return word.compare(street, Qt::CaseInsensitive) == 0;
    });
}

bool isTollFree(int code)
{
    return code / 100 == 8 && code / 10 % 10 == code % 10 && code != 811 && code != 899;
}

// The prefixes that dial out of a country, longest first where one starts another.
constexpr std::array<QStringView, 4> ExitCodes{u"0011", u"011", u"010", u"00"};

// Longest run of digits that any country's number has, its country code included.
constexpr int LongestNumber = 15;
// Shortest of the numbers written with a country code that people copy.
constexpr int ShortestForeign = 7;

enum class Prefix { None, LongDistance, International };

class Reader {
public:
    explicit Reader(QStringView text)
        : text(text)
        , t(tokens(text))
    {
    }

    std::optional<PlanNumber> find();

private:
    struct Reading {
        PlanNumber number;
        // The token after the number's last.
        size_t end = 0;
    };

    QStringView of(size_t i) const { return text.sliced(t[i].begin, t[i].size()); }
    bool is(size_t i, Token::Kind kind) const { return i < t.size() && t[i].kind == kind; }
    // A separator that may stand inside a number: a few characters on one line.
    bool within(size_t i) const
    {
        return is(i, Token::Separator) && t[i].size() <= 3 && !t[i].lineBreak;
    }
    // The word after the word at i, one separator between them; empty where there is none.
    QStringView nextWord(size_t i) const
    {
        return within(i + 1) && is(i + 2, Token::Letters) ? of(i + 2) : QStringView();
    }
    bool startsAt(size_t i) const;
    std::optional<Reading> plan(size_t i, qsizetype offset, Prefix prefix, bool opened) const;
    std::optional<size_t> foreign(size_t i, qsizetype offset) const;
    Label label(size_t start, size_t after) const;
    // Whether the number before token i is called a fax in brackets after it: "(fax)".
    bool faxAfter(size_t i) const
    {
        return within(i) && t[i].open && is(i + 1, Token::Letters) &&
               labelOf(of(i + 1)) == Label::Fax && is(i + 2, Token::Separator) && t[i + 2].close;
    }

    QStringView text;
    std::vector<Token> t;
};

// Whether a number may begin at token i: not inside a word or a longer number ("ID4125550100",
// "415-666-7777" from its 666, "9:00", "$20.00", "21.6.1984"), nor after a currency sign or a
// number sign, but right after words that take no spaces.
bool Reader::startsAt(size_t i) const
{
    if (!is(i, Token::Digits) && !is(i, Token::Plus))
        return false;
    if (i == 0)
        return true;
    const Token &before = t[i - 1];
    switch (before.kind) {
    case Token::Letters:
    case Token::Digits:
        return false;
    case Token::Wide:
        return true;
    case Token::Plus:
        // "++1 650", as some phones export them; the digits after a plus are its own.
        return t[i].kind == Token::Plus && (i < 2 || t[i - 2].kind != Token::Digits);
    case Token::Other: {
        const QChar c = text[before.begin];
        if (c.category() == QChar::Symbol_Currency || c == u'#' || c == u'№')
            return false;
        return i < 2 || t[i - 2].kind != Token::Digits;
    }
    case Token::Separator:
        if (before.space || before.open || i < 2)
            return true;
        return t[i - 2].kind != Token::Digits;
    }
    return true;
}

// A number of the plan whose area code starts `offset` digits into token i, or in the next
// group where that token has no more: ten digits in all, the area code whole, then the last
// seven grouped three and four or in one, or written partly in letters where the text writes a
// vanity number. `opened`: a bracket stands before the area code.
std::optional<Reader::Reading> Reader::plan(size_t i, qsizetype offset, Prefix prefix,
                                            bool opened) const
{
    if (is(i, Token::Digits) && offset == t[i].size()) {
        if (!within(i + 1) || !is(i + 2, Token::Digits) || t[i + 1].close)
            return std::nullopt;
        opened = t[i + 1].open;
        i += 2;
        offset = 0;
    }
    if (!is(i, Token::Digits))
        return std::nullopt;
    int digits[10];
    const QStringView first = of(i).sliced(offset);
    if (first.size() != 3 && first.size() != 10)
        return std::nullopt;
    for (qsizetype n = 0; n < first.size(); ++n)
        digits[n] = first[n].digitValue();
    if (digits[0] < 2)
        return std::nullopt;
    const int areaCode = digits[0] * 100 + digits[1] * 10 + digits[2];
    ++i;
    int have = int(first.size());
    bool letters = false;
    if (have == 3) {
        if (!within(i) || t[i].open || t[i].close != opened)
            return std::nullopt;
        const bool joined = !t[i].space; // "800-", "(212)"
        const bool setApart = prefix != Prefix::None || opened || joined || isTollFree(areaCode);
        std::array<qsizetype, 7> groups{};
        int count = 0;
        while (have < 10) {
            // The separator before this group, then the group.
            if (!within(i) || t[i].open || (t[i].close && have > 3))
                return std::nullopt;
            const bool spaced = t[i].space;
            ++i;
            if (is(i, Token::Digits)) {
                const QStringView group = of(i);
                if (have + group.size() > 10)
                    return std::nullopt;
                for (QChar c : group)
                    digits[have++] = c.digitValue();
            } else if (is(i, Token::Letters)) {
                const QStringView word = of(i);
                // Spaced words stand for digits only in capitals or joined to the next by a
                // hyphen, where the number is written as one people dial from anywhere:
                // "1800 SIX FLAGS", "1800 six-flag", "+1 650 GOO OGLE".
                const bool capitals = word.toString().toUpper() == word;
                const bool hyphenated =
                    within(i + 1) && !t[i + 1].space && is(i + 2, Token::Letters);
                if (spaced && !((capitals || hyphenated) &&
                                (isTollFree(areaCode) || prefix == Prefix::International)))
                    return std::nullopt;
                if (!spaced && !setApart)
                    return std::nullopt;
                if (isStreetWord(word) || (spaced && isStreetWord(nextWord(i))))
                    return std::nullopt;
                qsizetype n = 0;
                for (; n < word.size() && have < 10; ++n) {
                    const int digit = keypadLetter(word[n]);
                    if (digit < 0)
                        return std::nullopt;
                    digits[have++] = digit;
                }
                // A vanity word may run a letter or a few past the number ("1-800-MATTRESS"),
                // a spaced one at most one.
                const qsizetype beyond = word.size() - n;
                if (beyond > (spaced ? 1 : 3) ||
                    std::any_of(word.begin() + n, word.end(),
                                [](QChar c) { return keypadLetter(c) < 0; }))
                    return std::nullopt;
                letters = true;
            } else {
                return std::nullopt;
            }
            groups[count++] = t[i].size();
            ++i;
        }
        // Digits alone are grouped as people write a number: three and four, or seven.
        if (!letters && !(count == 1 || (count == 2 && groups[0] == 3)))
            return std::nullopt;
    }
    // A number run on into a word is part of something else; an extension may follow.
    if (is(i, Token::Letters) && !letters) {
        static constexpr QStringView extensions[]{u"x", u"ext", u"extn", u"extension"};
        const QStringView word = of(i);
        if (std::none_of(std::begin(extensions), std::end(extensions), [word](QStringView x) {
                return word.compare(x, Qt::CaseInsensitive) == 0;
            }))
            return std::nullopt;
    }
    // A percentage or an amount: "4156667777%", "4156667777$".
    if (is(i, Token::Other) &&
        (text[t[i].begin] == u'%' || text[t[i].begin].category() == QChar::Symbol_Currency))
        return std::nullopt;
    const int exchange = digits[3] * 100 + digits[4] * 10 + digits[5];
    PlanNumber number{areaCode, exchange >= 200 ? exchange : 0, QString(10, u'0')};
    for (int n = 0; n < 10; ++n)
        number.digits[n] = QChar(u'0' + digits[n]);
    return Reading{number, i};
}

// Where a number written with another country's code ends: its groups read past whole, up to
// the longest any country has, or up to a number of ours that follows it. Unset where what
// follows the prefix is too short or too long to be anyone's number.
std::optional<size_t> Reader::foreign(size_t i, qsizetype offset) const
{
    if (offset == t[i].size()) {
        if (!within(i + 1) || !is(i + 2, Token::Digits))
            return std::nullopt;
        i += 2;
        offset = 0;
    }
    if (of(i)[offset].digitValue() == 0)
        return std::nullopt; // no country code starts with 0
    qsizetype digits = t[i].size() - offset;
    ++i;
    while (within(i) && is(i + 1, Token::Digits) && digits + t[i + 1].size() <= LongestNumber) {
        if (digits >= ShortestForeign && startsAt(i + 1) && plan(i + 1, 0, Prefix::None, t[i].open))
            break;
        digits += t[i + 1].size();
        i += 2;
    }
    if (digits < ShortestForeign || digits > LongestNumber)
        return std::nullopt;
    return i;
}

// What the words just before a number call it: the nearest label, back to the number before,
// HTML's tags passed over. "tel:" right before a number is a link's scheme, which says nothing
// of the line: a vCard's "fax" type before it wins.
Label Reader::label(size_t start, size_t after) const
{
    Label found = Label::None;
    for (size_t i = start, n = 0; i > after && n < 8; --i) {
        const Token &token = t[i - 1];
        if (token.kind == Token::Digits)
            break;
        if (token.kind == Token::Other && text[token.begin] == u'>') {
            size_t open = i - 1;
            while (open > after && open + 64 > i &&
                   !(t[open - 1].kind == Token::Other && text[t[open - 1].begin] == u'<'))
                --open;
            if (open > after && open + 64 > i) {
                i = open;
                continue;
            }
        }
        ++n;
        if (token.kind != Token::Letters)
            continue;
        const Label label = labelOf(of(i - 1));
        if (label == Label::None)
            continue;
        const bool scheme = i + 1 == start && text[t[i].begin] == u':' &&
                            of(i - 1).compare(u"tel", Qt::CaseInsensitive) == 0;
        if (!scheme)
            return label;
        found = label;
    }
    return found;
}

std::optional<PlanNumber> Reader::find()
{
    std::optional<PlanNumber> fax;
    size_t after = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        if (!startsAt(i))
            continue;
        const size_t start = i;
        std::optional<Reading> reading;
        size_t at = i;
        qsizetype offset = 0;
        bool international = false;
        if (t[i].kind == Token::Plus) {
            at = i + 1;
            if (is(at, Token::Separator) && !t[at].mark && t[at].size() == 1)
                ++at;
            if (!is(at, Token::Digits))
                continue;
            international = true;
        } else {
            // Five digits from 0 are a ZIP code of Puerto Rico or Massachusetts, never a call.
            const QStringView group = of(i);
            const auto exit =
                group.size() == 5
                    ? ExitCodes.end()
                    : std::find_if(ExitCodes.begin(), ExitCodes.end(),
                                   [group](QStringView code) { return group.startsWith(code); });
            if (exit != ExitCodes.end()) {
                offset = exit->size();
                international = true;
            }
        }
        if (international) {
            // The country code: 1 for this plan, in the same group or the next.
            size_t code = at;
            qsizetype codeOffset = offset;
            if (codeOffset == t[code].size() && within(code + 1) && is(code + 2, Token::Digits)) {
                code += 2;
                codeOffset = 0;
            }
            if (codeOffset < t[code].size() && of(code)[codeOffset].digitValue() == 1) {
                reading = plan(code, codeOffset + 1, Prefix::International,
                               i > 0 && is(i - 1, Token::Separator) && t[i - 1].open);
            } else if (of(i) == u"0011" && (reading = plan(i, 4, Prefix::International, false))) {
                // Singapore's 001 and then 1, where what follows is one of our numbers whole.
            } else if (const std::optional<size_t> end = foreign(at, offset)) {
                i = *end - 1;
                after = *end;
                continue;
            }
        } else {
            const QStringView group = of(i);
            const bool opened = i > 0 && t[i - 1].kind == Token::Separator && t[i - 1].open;
            if (group.size() == 1 && group[0].digitValue() == 1)
                reading = plan(i, 1, Prefix::LongDistance, false);
            else if ((group.size() == 4 || group.size() == 11) && group[0].digitValue() == 1)
                reading = plan(i, 1, Prefix::LongDistance, opened);
            else
                reading = plan(i, 0, Prefix::None, opened);
        }
        if (!reading)
            continue;
        if (label(start, after) != Label::Fax && !faxAfter(reading->end))
            return reading->number;
        if (!fax)
            fax = reading->number;
        i = reading->end - 1;
        after = reading->end;
    }
    return fax;
}

// The number a tel: link names, as text: its context prefixed to a local number; empty where a
// local number's context is not a country's code, since it then belongs to no plan we know.
QString telNumber(QStringView link)
{
    const QString decoded = QString::fromUtf8(QByteArray::fromPercentEncoding(link.toUtf8()));
    const QStringList parts = decoded.split(u';');
    const QString number = parts.first().trimmed();
    if (number.startsWith(u'+'))
        return number;
    for (const QString &parameter : parts.sliced(1)) {
        if (!parameter.startsWith(u"phone-context=", Qt::CaseInsensitive))
            continue;
        const QString context = parameter.sliced(14).trimmed();
        return context.startsWith(u'+') ? context + u'-' + number : QString();
    }
    return number;
}

} // namespace

std::optional<PlanNumber> NumberInText(QStringView given)
{
    QString text = cleaned(given);
    QStringView view = QStringView(text).trimmed();
    if (view.startsWith(u"tel:", Qt::CaseInsensitive)) {
        text = cleaned(telNumber(view.sliced(4)));
        view = QStringView(text).trimmed();
    }
    // Three digits alone are the code itself, as keyed on the pad, dashes round them too
    // ("dialhour -212").
    QStringView bare = view;
    while (!bare.isEmpty() && bare.front().category() == QChar::Punctuation_Dash)
        bare = bare.sliced(1);
    while (!bare.isEmpty() && bare.back().category() == QChar::Punctuation_Dash)
        bare.chop(1);
    if (bare.startsWith(u'(') && bare.endsWith(u')'))
        bare = bare.sliced(1, bare.size() - 2).trimmed();
    if (bare.size() == 3 && bare[0].isDigit() && bare[0].digitValue() > 0 && bare[1].isDigit() &&
        bare[2].isDigit()) {
        const int code =
            bare[0].digitValue() * 100 + bare[1].digitValue() * 10 + bare[2].digitValue();
        return PlanNumber{code, 0, QString::number(code)};
    }
    return Reader(view).find();
}

QString PlanLink(QStringView text)
{
    const std::optional<PlanNumber> number = NumberInText(text);
    if (!number)
        return QStringLiteral("tel:");
    if (number->digits.size() != 10)
        return QStringLiteral("tel:") + number->digits;
    return QStringLiteral("tel:+1-%1-%2-%3")
        .arg(number->digits.first(3), number->digits.sliced(3, 3), number->digits.sliced(6));
}

} // namespace dialhour
