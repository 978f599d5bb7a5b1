#pragma once
// The button font's pictures that keys show as captions. A glyph caption is a
// byte string: bytes from 0x80 up are the font's pictures, letters below draw
// as themselves. Each caption's words are what the key shows without the font
// and what a screen reader says for the glyphs.

namespace zentra {

struct GlyphCaption {
    const char* words;
    const char* glyph;
    // The words as the tape writes them, in UTF-8, where they differ.
    const char* text = nullptr;
};

inline constexpr GlyphCaption kPointGlyph{".", "\x80"};
inline constexpr GlyphCaption kAddGlyph{"+", "\x81"};
inline constexpr GlyphCaption kSubtractGlyph{"-", "\x82", "−"};
inline constexpr GlyphCaption kMultiplyGlyph{"X", "\x83", "×"};
inline constexpr GlyphCaption kDivideGlyph{"/", "\x84", "÷"};
inline constexpr GlyphCaption kSquareGlyph{"x^2", "\xC0", "x²"};
inline constexpr GlyphCaption kSqrtGlyph{"sqrt", "\xC1", "√"};
inline constexpr GlyphCaption kPowerGlyph{"x^y", "\xC2", "xʸ"};
inline constexpr GlyphCaption kExpGlyph{"e^x", "\xC4", "eˣ"};
inline constexpr GlyphCaption kLnGlyph{"ln", "\xC5"};
inline constexpr GlyphCaption kTenPowerGlyph{"10^x", "\xC6", "10ˣ"};
inline constexpr GlyphCaption kLogGlyph{"log", "\xC7"};
inline constexpr GlyphCaption kPiGlyph{"pi", "\xD2", "π"};
inline constexpr GlyphCaption kRootGlyph{"x^1/y", "\xD3", "ʸ√x"};
inline constexpr GlyphCaption kReciprocalGlyph{"1/x", "\xD4"};
inline constexpr GlyphCaption kChangeSignGlyph{"+/-", "\xD5", "±"};
inline constexpr GlyphCaption kDegreesGlyph{"deg", "\xD8"};
inline constexpr GlyphCaption kMinutesGlyph{"min", "\xD9"};
inline constexpr GlyphCaption kSecondsGlyph{"sec", "\xDA"};
inline constexpr GlyphCaption kToDegreesGlyph{">deg", "\xDB", "→deg"};
inline constexpr GlyphCaption kMeanGlyph{"avg", "\xE3", "x̄"};
inline constexpr GlyphCaption kDeviationGlyph{"sdv", "\xDF\xE0", "σn"};
inline constexpr GlyphCaption kSampleDeviationGlyph{"ssd", "\xDF\xE0\xE1\xE2", "σn−1"};
inline constexpr GlyphCaption kSumGlyph{"sum",
                                        "\xE5"
                                        "x",
                                        "Σx"};
inline constexpr GlyphCaption kSumSquaresGlyph{"ssq",
                                               "\xE5"
                                               "x"
                                               "\xE4",
                                               "Σx²"};

// Every glyph caption, for turning a caption back into words.
inline constexpr GlyphCaption kGlyphCaptions[] = {
    kPointGlyph,
    kAddGlyph,
    kSubtractGlyph,
    kMultiplyGlyph,
    kDivideGlyph,
    kSquareGlyph,
    kSqrtGlyph,
    kPowerGlyph,
    kExpGlyph,
    kLnGlyph,
    kTenPowerGlyph,
    kLogGlyph,
    kPiGlyph,
    kRootGlyph,
    kReciprocalGlyph,
    kChangeSignGlyph,
    kDegreesGlyph,
    kMinutesGlyph,
    kSecondsGlyph,
    kToDegreesGlyph,
    kMeanGlyph,
    kDeviationGlyph,
    kSampleDeviationGlyph,
    kSumGlyph,
    kSumSquaresGlyph,
};

// Follows a trigonometric function's name under shift: "sin" and the mark
// read "asin".
inline constexpr char kInverseMark = '\xDE';

}  // namespace zentra
