#include "keypad/keypad.h"

#include <QByteArray>
#include <QString>

namespace dialhour {
namespace {

// Between the groups of a number: spaces of every width, no-break ones too; dots, hyphens and
// every other dash; the minus sign some editors put for a hyphen; parentheses and slashes.
bool isSeparator(QChar c)
{
    return c.isSpace() || c == u'.' || c == u'-' || c == u'(' || c == u')' || c == u'/' ||
           c == u'\u2212' || c.category() == QChar::Punctuation_Dash;
}

// A digit of the last seven, where letters stand for the keypad's digits: ABC is 2, … WXYZ 9.
int keypadDigit(QChar c)
{
    if (c.isDigit())
        return c.digitValue();
    const char16_t letter = c.toUpper().unicode();
    if (letter < u'A' || letter > u'Z')
        return -1;
    constexpr char digits[] = "22233344455566677778889999";
    return digits[letter - u'A'] - '0';
}

enum class Found { Code, Foreign, Nothing };

struct Candidate {
    Found found = Found::Nothing;
    int areaCode = 0;
    // Where reading stopped: the next candidate starts no earlier.
    qsizetype end = 0;
};

// A number whose first character is text[at]: an optional +1, 1 or international prefix, then
// ten digits in groups of three, three and four, letters allowed in the last seven. Separators
// stand only between the groups, so that no code is read across two other numbers.
Candidate readNumber(QStringView text, qsizetype at)
{
    const qsizetype size = text.size();
    qsizetype i = at;
    // Up to three separators between two digits: "(212) 555", ") - ".
    const auto skipSeparators = [&] {
        for (int n = 0; n < 3 && i < size && isSeparator(text[i]); ++n)
            ++i;
    };
    skipSeparators();
    if (i < size && text[i] == u'+') {
        ++i;
        while (i < size && text[i].isSpace())
            ++i;
        if (i >= size || !text[i].isDigit())
            return {Found::Nothing, 0, i};
        // Another country code: the rest of its number is read past, never taken for ours.
        if (text[i].digitValue() != 1) {
            while (i < size && (text[i].isDigit() || isSeparator(text[i])))
                ++i;
            return {Found::Foreign, 0, i};
        }
        ++i;
        skipSeparators();
    } else if (i < size && text[i].digitValue() == 0) {
        // 00 or 011 dials out of the plan; no number of ours starts with 0 at all.
        const QStringView rest = text.sliced(i);
        if (!rest.startsWith(u"00") && !rest.startsWith(u"011"))
            return {Found::Nothing, 0, i + 1};
        while (i < size && (text[i].isDigit() || isSeparator(text[i])))
            ++i;
        return {Found::Foreign, 0, i};
    } else if (i < size && text[i].digitValue() == 1) {
        ++i; // the long-distance prefix: no area code starts with 1
        skipSeparators();
    }
    int digits[10];
    for (int n = 0; n < 10; ++n) {
        if (n == 3 || n == 6)
            skipSeparators();
        if (i >= size)
            return {Found::Nothing, 0, i};
        const int digit = n < 3 ? (text[i].isDigit() ? text[i].digitValue() : -1)
                                : keypadDigit(text[i]);
        // The area code and the exchange start with 2 to 9.
        if (digit < 0 || ((n == 0 || n == 3) && digit < 2))
            return {Found::Nothing, 0, i};
        digits[n] = digit;
        ++i;
    }
    // A longer run of digits is some other number.
    if (i < size && text[i].isDigit())
        return {Found::Nothing, 0, i};
    return {Found::Code, digits[0] * 100 + digits[1] * 10 + digits[2], i};
}

} // namespace

std::optional<int> AreaCodeInText(QStringView text)
{
    text = text.trimmed();
    // A tel: link is read as its number: percent-escapes decoded, parameters dropped.
    QString link;
    if (text.startsWith(u"tel:", Qt::CaseInsensitive)) {
        link = QString::fromUtf8(QByteArray::fromPercentEncoding(text.sliced(4).toUtf8()));
        text = QStringView(link);
        if (const qsizetype parameters = text.indexOf(u';'); parameters >= 0)
            text = text.first(parameters);
        text = text.trimmed();
    }
    // Three digits alone are the code itself, as keyed on the pad.
    QStringView bare = text;
    if (bare.startsWith(u'(') && bare.endsWith(u')'))
        bare = bare.sliced(1, bare.size() - 2).trimmed();
    if (bare.size() == 3 && bare[0].isDigit() && bare[0].digitValue() > 0 && bare[1].isDigit() &&
        bare[2].isDigit())
        return bare[0].digitValue() * 100 + bare[1].digitValue() * 10 + bare[2].digitValue();

    for (qsizetype at = 0; at < text.size();) {
        const QChar c = text[at];
        const bool starts = c.isDigit() || c == u'+' || c == u'(';
        // Not from inside a word or a longer number.
        if (!starts || (at > 0 && text[at - 1].isLetterOrNumber())) {
            ++at;
            continue;
        }
        const Candidate candidate = readNumber(text, at);
        if (candidate.found == Found::Code)
            return candidate.areaCode;
        if (candidate.found == Found::Foreign)
            return std::nullopt;
        at = std::max(at + 1, candidate.end);
    }
    return std::nullopt;
}

} // namespace dialhour
