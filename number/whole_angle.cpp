#include "number/whole_angle.h"

#include "number/plain_text.h"

#include <array>

namespace number {
namespace {

using std::string_view;

constexpr std::size_t none = string_view::npos;

constexpr std::array<string_view, 3> degreeSymbols{"\u00b0", "\u00ba", "\u02da"};
constexpr std::array<string_view, 4> minuteSymbols{"'", "\u2032", "\u2019", "\u00b4"};
constexpr std::array<string_view, 3> secondSymbols{"\"", "\u2033", "\u201d"};
constexpr std::array<string_view, 3> signs{"-", "+", "\u2212"};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// ASCII blanks; plainText has already made every Unicode blank a space.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isHemisphereLetter(char c)
{
    switch (c) {
    case 'N': case 'S': case 'E': case 'W': case 'O':
    case 'n': case 's': case 'e': case 'w': case 'o':
        return true;
    default:
        return false;
    }
}

char upper(char c)
{
    return isLetter(c) && c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The plain text being read, with the small questions the grammar asks of it.
class Scanner
{
public:
    explicit Scanner(string_view text) : m_text(text) {}

    std::size_t size() const { return m_text.size(); }
    char at(std::size_t pos) const { return pos < m_text.size() ? m_text[pos] : '\0'; }
    bool digitAt(std::size_t pos) const { return isDigit(at(pos)); }
    bool letterAt(std::size_t pos) const { return isLetter(at(pos)); }
    std::string part(std::size_t from, std::size_t to) const { return std::string(m_text.substr(from, to - from)); }

    std::size_t skipBlanks(std::size_t pos) const
    {
        while (pos < m_text.size() && isBlank(m_text[pos]))
            ++pos;
        return pos;
    }

    // The end of the number starting at pos: digits, then optionally '.' or
    // ',' and digits; pos itself when no digit is there.
    std::size_t numberEnd(std::size_t pos) const
    {
        while (digitAt(pos))
            ++pos;
        if ((at(pos) == '.' || at(pos) == ',') && digitAt(pos + 1)) {
            pos += 2;
            while (digitAt(pos))
                ++pos;
        }
        return pos;
    }

    // The length of the first of `symbols` written at pos, 0 if none.
    template <std::size_t N>
    std::size_t symbolAt(std::size_t pos, const std::array<string_view, N> &symbols) const
    {
        for (string_view symbol : symbols) {
            if (m_text.substr(pos < m_text.size() ? pos : m_text.size()).starts_with(symbol))
                return symbol.size();
        }
        return 0;
    }

    // A mark letter counts only where no word goes on: "12m" but not "12min".
    std::size_t letterMarkAt(std::size_t pos, char lower, char upperToo) const
    {
        const char c = at(pos);
        return (c == lower || (upperToo && c == upper(lower))) && !letterAt(pos + 1) ? 1 : 0;
    }

    std::size_t degreeMarkAt(std::size_t pos) const
    {
        if (const std::size_t length = symbolAt(pos, degreeSymbols))
            return length;
        return letterMarkAt(pos, 'd', true);
    }

    std::size_t minuteMarkAt(std::size_t pos) const
    {
        if (const std::size_t length = symbolAt(pos, minuteSymbols))
            return length;
        return letterMarkAt(pos, 'm', false);
    }

    std::size_t secondMarkAt(std::size_t pos) const
    {
        if (const std::size_t length = symbolAt(pos, secondSymbols))
            return length;
        // A minute mark written twice: '' ′′ ’’ ´´.
        if (const std::size_t length = symbolAt(pos, minuteSymbols);
            length > 0 && m_text.substr(pos + length).starts_with(m_text.substr(pos, length)))
            return 2 * length;
        return letterMarkAt(pos, 's', false);
    }

    // ':' and a digit at pos: the colon form goes on.
    bool colonAt(std::size_t pos) const { return at(pos) == ':' && digitAt(pos + 1); }

    // Where the number ending at `end` opens an angle: a degree mark or the colon form.
    bool opensAngle(std::size_t end) const { return degreeMarkAt(end) > 0 || colonAt(end); }

    // The sign written just before pos: its start, or none.
    std::size_t signBefore(std::size_t pos) const
    {
        for (string_view sign : signs) {
            if (pos >= sign.size() && m_text.substr(pos - sign.size(), sign.size()) == sign)
                return pos - sign.size();
        }
        return none;
    }

    // A hemisphere letter standing alone before the degrees: not the end of
    // a word or a number ("IN", "1e"), not the start of a word ("Nord").
    bool loneHemisphereLetterAt(std::size_t pos) const
    {
        if (!isHemisphereLetter(at(pos)) || letterAt(pos + 1))
            return false;
        return pos == 0 || !(isLetter(m_text[pos - 1]) || isDigit(m_text[pos - 1]));
    }

private:
    string_view m_text;
};

// Where the first angle's degrees start: the first number followed by a
// degree mark or by the colon form. Each number is looked at once.
std::size_t firstAngleStart(const Scanner &text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!text.digitAt(pos)) {
            ++pos;
            continue;
        }
        const std::size_t end = text.numberEnd(pos);
        if (text.opensAngle(end))
            return pos;
        pos = end;
    }
    return none;
}

// What stands before the degrees: a sign, then a hemisphere letter before
// that. False when the start is not clean: two signs, or the digits glued
// to a word or to another number.
bool readPrefix(const Scanner &text, std::size_t degreesStart, WholeAngle &angle)
{
    std::size_t pos = degreesStart;
    if (const std::size_t signStart = text.signBefore(pos); signStart != none) {
        if (text.signBefore(signStart) != none)
            return false;
        angle.minusSign = text.at(signStart) != '+';
        pos = signStart;
    }
    std::size_t letter = pos;
    while (letter > 0 && isBlank(text.at(letter - 1)))
        --letter;
    if (letter > 0 && text.loneHemisphereLetterAt(letter - 1)) {
        angle.hemisphere = upper(text.at(letter - 1));
        return true;
    }
    if (pos > 0) {
        const char before = text.at(pos - 1);
        if (isLetter(before) || isDigit(before) || before == '.' || before == ',')
            return false;
    }
    return true;
}

enum class LastPart { Degrees, Minutes, Seconds };

} // namespace

bool WholeAngle::negative() const
{
    return minusSign || hemisphere == 'S' || hemisphere == 'W' || hemisphere == 'O';
}

std::optional<WholeAngle> readWholeAngle(string_view written)
{
    const std::string plain = plainText(written);
    const Scanner text(plain);

    const std::size_t start = firstAngleStart(text);
    if (start == none)
        return std::nullopt;

    WholeAngle angle;
    if (!readPrefix(text, start, angle))
        return std::nullopt;

    std::size_t pos = text.numberEnd(start);
    angle.degrees = text.part(start, pos);
    LastPart last = LastPart::Degrees;
    const bool colonForm = text.colonAt(pos);

    if (colonForm) {
        const std::size_t minutesEnd = text.numberEnd(pos + 1);
        angle.minutes = text.part(pos + 1, minutesEnd);
        pos = minutesEnd;
        last = LastPart::Minutes;
        if (text.colonAt(pos)) {
            const std::size_t secondsEnd = text.numberEnd(pos + 1);
            angle.seconds = text.part(pos + 1, secondsEnd);
            pos = secondsEnd;
            last = LastPart::Seconds;
            if (text.colonAt(pos))
                return std::nullopt;
        }
    } else {
        pos += text.degreeMarkAt(pos);
        // Minutes, then seconds, each optional, each a number and its mark.
        for (int parts = 0; parts < 2 && last != LastPart::Seconds; ++parts) {
            const std::size_t numberStart = text.skipBlanks(pos);
            if (!text.digitAt(numberStart))
                break;
            const std::size_t numberEnd = text.numberEnd(numberStart);
            const std::size_t secondMark = text.secondMarkAt(numberEnd);
            const std::size_t minuteMark = secondMark ? 0 : text.minuteMarkAt(numberEnd);
            if (secondMark) {
                angle.seconds = text.part(numberStart, numberEnd);
                pos = numberEnd + secondMark;
                last = LastPart::Seconds;
            } else if (minuteMark && last == LastPart::Degrees) {
                angle.minutes = text.part(numberStart, numberEnd);
                pos = numberEnd + minuteMark;
                last = LastPart::Minutes;
            } else {
                break;
            }
        }
    }

    // A number where the next part would stand, that opens no angle of its
    // own, belongs to this one but has no mark it can be read by: splitting
    // the text would drop it.
    if (last != LastPart::Seconds) {
        const std::size_t next = text.skipBlanks(pos);
        if (text.digitAt(next) && !text.opensAngle(text.numberEnd(next)))
            return std::nullopt;
    }

    if (angle.hemisphere == '\0') {
        const std::size_t letter = text.skipBlanks(pos);
        // Straight after the colon form's digits, a letter before a digit is
        // an exponent ("36e5"), not a hemisphere.
        const bool afterDigits = letter > 0 && text.digitAt(letter - 1);
        if (isHemisphereLetter(text.at(letter)) && !text.letterAt(letter + 1) &&
            !(afterDigits && text.digitAt(letter + 1)))
            angle.hemisphere = upper(text.at(letter));
    }

    const bool whole = colonForm || !angle.minutes.empty() || !angle.seconds.empty() || angle.hemisphere != '\0';
    if (!whole)
        return std::nullopt;
    return angle;
}

} // namespace number
