#include "keypad/keypad.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>

namespace dialhour {
namespace {

// Between the groups of a number: spaces of every width, no-break ones too; dots, middle dots,
// hyphens and every other dash; the minus sign some editors put for a hyphen; the soft hyphen
// that copied web text hides; parentheses and slashes.
bool isSeparator(QChar c)
{
    return c.isSpace() || c == u'.' || c == u'-' || c == u'(' || c == u')' || c == u'/' ||
           c == u'\u2212' || c == u'\u00AD' || c == u'\u00B7' || c == u'\u2027' || c == u'\u30FB' ||
           c.category() == QChar::Punctuation_Dash;
}

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
        return false;
    }
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

bool isLatinLetter(QChar c)
{
    return c.isLetter() && !writesNoSpaces(c);
}

// The prefixes that dial out of a country, longest first where one starts another.
constexpr std::array<QStringView, 4> ExitCodes{u"0011", u"011", u"010", u"00"};

enum class Found { Code, Foreign, Nothing };

struct Candidate {
    Found found = Found::Nothing;
    PlanNumber number;
    // Where reading stopped: the next candidate starts no earlier.
    qsizetype end = 0;
};

// A number whose first character is text[at]: an optional +1, 1 or international prefix and 1,
// then ten digits, the area code first. Digits are grouped three, three and four; letters may
// stand for the last seven's digits, grouped by hyphens or dots in any way, where the number is
// set apart as one (a prefix, brackets or a hyphen after the code), never from words after a
// number. Separators
// stand only between the groups, so that no code is read across two other numbers.
Candidate readNumber(QStringView text, qsizetype at)
{
    const qsizetype size = text.size();
    qsizetype i = at;
    // Up to three separators between two digits: "(212) 555", ") - ". Which kinds were skipped.
    struct Skipped {
        bool marks = false, spaces = false;
    };
    const auto skipSeparators = [&] {
        Skipped skipped;
        for (int n = 0; n < 3 && i < size && isSeparator(text[i]); ++n, ++i)
            (text[i].isSpace() ? skipped.spaces : skipped.marks) = true;
        return skipped;
    };
    const auto foreign = [&] {
        while (i < size && (text[i].isDigit() || isSeparator(text[i])))
            ++i;
        return Candidate{Found::Foreign, {}, i};
    };
    bool prefixed = false;
    skipSeparators();
    if (i < size && text[i] == u'+') {
        ++i;
        while (i < size && text[i].isSpace())
            ++i;
        if (i >= size || !text[i].isDigit())
            return {Found::Nothing, {}, i};
        // Another country code: the rest of its number is read past, never taken for ours.
        if (text[i].digitValue() != 1)
            return foreign();
        ++i;
        prefixed = true;
    } else if (i < size && text[i].digitValue() == 0) {
        // Dialled from abroad: an exit code, then 1 for this plan or another country's code.
        // No number of ours starts with 0 at all.
        const QStringView rest = text.sliced(i);
        const auto exit = std::find_if(ExitCodes.begin(), ExitCodes.end(),
                                       [rest](QStringView code) { return rest.startsWith(code); });
        if (exit == ExitCodes.end())
            return {Found::Nothing, {}, i + 1};
        i += exit->size();
        skipSeparators();
        if (i >= size || text[i].digitValue() != 1)
            return foreign();
        ++i;
        prefixed = true;
    } else if (i < size && text[i].digitValue() == 1) {
        ++i; // the long-distance prefix: no area code starts with 1
        prefixed = true;
    }
    skipSeparators();
    const bool bracketed = text.sliced(at, i - at).contains(u'(');
    int digits[10];
    bool letters = false, setApart = prefixed || bracketed, otherGrouping = false,
         spacedWithin = false;
    for (int n = 0; n < 10; ++n) {
        if (n >= 3) {
            const Skipped skipped = skipSeparators();
            if (n == 3) {
                setApart = setApart || skipped.marks;
            } else {
                otherGrouping = otherGrouping || (n != 6 && (skipped.marks || skipped.spaces));
                spacedWithin = spacedWithin || skipped.spaces;
            }
        }
        if (i >= size)
            return {Found::Nothing, {}, i};
        int digit = text[i].isDigit() ? text[i].digitValue() : -1;
        if (digit < 0 && n >= 3 && (digit = keypadLetter(text[i])) >= 0)
            letters = true;
        // An area code starts with 2 to 9.
        if (digit < 0 || (n == 0 && digit < 2))
            return {Found::Nothing, {}, i};
        digits[n] = digit;
        ++i;
    }
    // A longer run of digits is some other number; a word is read as a number only where it is
    // written as one, whole, and in a number's groups where it has no letters.
    if (i < size && text[i].isDigit())
        return {Found::Nothing, {}, i};
    if (letters && (!setApart || spacedWithin || (i < size && isLatinLetter(text[i]) && !prefixed)))
        return {Found::Nothing, {}, i};
    if (otherGrouping && !letters)
        return {Found::Nothing, {}, i};
    const int exchange = digits[3] * 100 + digits[4] * 10 + digits[5];
    // An exchange from 0 or 1 cannot be dialled, but its area code is still plain to see.
    return {Found::Code,
            {digits[0] * 100 + digits[1] * 10 + digits[2], exchange >= 200 ? exchange : 0},
            i};
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
    // Full-width digits, plus signs and brackets, as East Asian input methods type them, read
    // as their ASCII forms. Text that is ASCII already is its own normal form.
    const bool ascii =
        std::all_of(given.begin(), given.end(), [](QChar c) { return c.unicode() < 0x80; });
    const QString normal =
        ascii ? QString() : given.toString().normalized(QString::NormalizationForm_KC);
    QStringView text = (ascii ? given : QStringView(normal)).trimmed();
    QString link;
    if (text.startsWith(u"tel:", Qt::CaseInsensitive)) {
        link = telNumber(text.sliced(4));
        text = QStringView(link);
    }
    // Three digits alone are the code itself, as keyed on the pad.
    QStringView bare = text;
    if (bare.startsWith(u'(') && bare.endsWith(u')'))
        bare = bare.sliced(1, bare.size() - 2).trimmed();
    if (bare.size() == 3 && bare[0].isDigit() && bare[0].digitValue() > 0 && bare[1].isDigit() &&
        bare[2].isDigit())
        return PlanNumber{
            bare[0].digitValue() * 100 + bare[1].digitValue() * 10 + bare[2].digitValue(), 0};

    for (qsizetype at = 0; at < text.size();) {
        const QChar c = text[at];
        const bool starts = c.isDigit() || c == u'+' || c == u'(';
        // Not from inside a word or a longer number, but right after words that take no spaces.
        if (!starts ||
            (at > 0 && text[at - 1].isLetterOrNumber() && !writesNoSpaces(text[at - 1]))) {
            ++at;
            continue;
        }
        const Candidate candidate = readNumber(text, at);
        if (candidate.found == Found::Code)
            return candidate.number;
        if (candidate.found == Found::Foreign)
            return std::nullopt;
        at = std::max(at + 1, candidate.end);
    }
    return std::nullopt;
}

QString PlanLink(QStringView text)
{
    const std::optional<PlanNumber> number = NumberInText(text);
    if (!number)
        return QStringLiteral("tel:");
    if (!number->exchange)
        return QStringLiteral("tel:") + QString::number(number->areaCode);
    return QStringLiteral("tel:+1-%1-%2-0000").arg(number->areaCode).arg(number->exchange);
}

} // namespace dialhour
