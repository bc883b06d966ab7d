#include "directory/directory.h"
#include "keypad/keypad.h"
#include "zoneclock/zoneclock.h"

#include <benchmark/benchmark.h>

using namespace dialhour;

namespace {

// Keys a whole code, as three clicks on the pad would, with the real clock and zone rules.
void answer(benchmark::State &state, std::initializer_list<int> digits)
{
    KeypadEntry keypad;
    for (auto _ : state) {
        for (int digit : digits)
            keypad.DigitPressed(digit);
        benchmark::DoNotOptimize(keypad.resultText().size());
    }
}

void AnswerListed(benchmark::State &state)
{
    answer(state, {2, 1, 2});
}
BENCHMARK(AnswerListed);

// 867 has the most other clocks: four clocks read and compared.
void AnswerSplit(benchmark::State &state)
{
    answer(state, {8, 6, 7});
}
BENCHMARK(AnswerSplit);

// A whole number pasted or given: read from the text, then answered for its exchange.
void number(benchmark::State &state, const QString &text)
{
    KeypadEntry keypad;
    for (auto _ : state) {
        keypad.NumberGiven(text);
        benchmark::DoNotOptimize(keypad.resultText().size());
    }
}

void NumberListed(benchmark::State &state)
{
    number(state, QStringLiteral("(718) 230-0100"));
}
BENCHMARK(NumberListed);

// An exchange of a split code: its own clock, and no other clock read.
void NumberSplit(benchmark::State &state)
{
    number(state, QStringLiteral("+1 850-224-0100"));
}
BENCHMARK(NumberSplit);

// An exchange the table does not hold: the code's answer, with its other clocks.
void NumberUnknownExchange(benchmark::State &state)
{
    number(state, QStringLiteral("+1 867-555-0100"));
}
BENCHMARK(NumberUnknownExchange);

void ExchangeLookup(benchmark::State &state)
{
    int exchange = 200;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ExchangeByNumber(850, exchange));
        exchange = exchange == 999 ? 200 : exchange + 1;
    }
}
BENCHMARK(ExchangeLookup);

void AnswerUnlisted(benchmark::State &state)
{
    answer(state, {5, 5, 5});
}
BENCHMARK(AnswerUnlisted);

// The time line of one code: New York, Guam, Newfoundland's half hour, Honolulu.
void ZoneTime(benchmark::State &state)
{
    const int code = int(state.range(0));
    const QByteArrayView clockZone = ClockZoneByCode(code);
    state.SetLabel(clockZone.toByteArray().toStdString());
    const ZoneRules rules;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ZoneTimeText(ZoneByCode(code), clockZone, ReadSystemClock(), rules));
}
BENCHMARK(ZoneTime)->Arg(212)->Arg(671)->Arg(709)->Arg(808);

void ReadSystemClockOnly(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadSystemClock());
}
BENCHMARK(ReadSystemClockOnly);

// The last resort, where no rules hold a clock: the only answer that reads the machine's zone.
void EstimateWithoutRules(benchmark::State &state)
{
    const ZoneRules none(ZoneRules::NoDatabase);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ZoneTimeText(ZoneByCode(212), ClockZoneByCode(212), ReadSystemClock(), none));
}
BENCHMARK(EstimateWithoutRules);

// A number read from text as it is copied, without answering it.
void ReadPlainNumber(benchmark::State &state)
{
    const QString text = QStringLiteral("(212) 555-0100");
    for (auto _ : state)
        benchmark::DoNotOptimize(NumberInText(text));
}
BENCHMARK(ReadPlainNumber);

// Long text of the kinds copied around a number (times, amounts, addresses, order numbers, an
// HTML style, a foreign number), range(0) bytes of it, then a number or none.
QString longText(qsizetype bytes, bool number)
{
    const QString block = QString::fromUtf8(
        "Order #50023 \u00B7 1350 Madison Avenue, New York, NY 10128 \u00B7 $1,250.00 \u00B7 "
        "Mon\u2013Fri 9:00 AM \u2013 5:00 PM \u00B7 4.8 (312 reviews) \u00B7 +44 20 7946 0958 "
        "\u00B7 <td style=\"color:#000000\">\n");
    QString text;
    while (text.size() < bytes)
        text += block;
    text.truncate(bytes);
    if (number)
        text += QStringLiteral(" Tel: (212) 555-0100");
    return text;
}

void ReadLongText(benchmark::State &state)
{
    const QString text = longText(state.range(0), state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(NumberInText(text));
    state.SetLabel(state.range(1) ? "found" : "refused");
}
BENCHMARK(ReadLongText)
    ->Args({50 << 10, 1})
    ->Args({50 << 10, 0})
    ->Args({1 << 20, 1})
    ->Args({1 << 20, 0})
    ->Unit(benchmark::kMicrosecond);

void DirectoryRead(benchmark::State &state)
{
    int code = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ZoneByCode(code));
        benchmark::DoNotOptimize(LocationByCode(code));
        code = code == LastCode ? FirstCode : code + 1;
    }
}
BENCHMARK(DirectoryRead);

} // namespace

BENCHMARK_MAIN();
