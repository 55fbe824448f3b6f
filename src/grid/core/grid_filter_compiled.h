#pragma once
// Filter expressions read once and matched against many texts: the answers
// of MatchFilterExpression (grid_filter.h) without reading the expression
// again for every text. Compile keeps the expression's conditions, the order
// in which their results combine, each condition's pattern pieces and its
// comparison operands (already read as numbers and dates); Match then only
// walks the text.
//
// A compiled filter keeps scratch space between matches: one thread at a
// time.
#include <memory>
#include <vector>

#include "grid/core/grid_filter.h"

class TCompiledFilterCondition;

class TCompiledFilter {
public:
    TCompiledFilter();
    ~TCompiledFilter();
    TCompiledFilter(TCompiledFilter&&) noexcept;
    TCompiledFilter& operator=(TCompiledFilter&&) noexcept;

    // Reads Expression as MatchFilterExpression does. Without CaseSensitive
    // the conditions are upper-cased here, the texts in Match.
    void Compile(const String& Expression, bool CaseSensitive,
                 const TGridFormatSettings& FS = CurrentGridFormatSettings());
    bool CaseSensitive() const { return FCaseSensitive; }

    // MatchFilterExpression(Expression, Value, CaseSensitive, FS).
    bool Match(const String& Value) const;
    // The same for a text already prepared with PrepareText (upper-cased
    // unless case-sensitive), so a text tested by several filters is
    // upper-cased once.
    bool MatchPrepared(const String& Prepared) const;
    String PrepareText(const String& Value) const;

private:
    // The results combine as the expression reads: Push opens a level, Cond
    // combines a condition's result into the level and then takes its
    // operator, Pop closes the level into the one around it.
    enum class TStepKind : uint8_t { Push, Cond, Pop };
    struct TStep {
        TStepKind Kind;
        QChar Op;
        int Cond;
    };
    struct TLevel {
        bool Result;
        QChar Previous;
    };
    std::vector<TStep> FSteps;
    std::vector<std::unique_ptr<TCompiledFilterCondition>> FConditions;
    bool FCaseSensitive = true;
    // A group without its ")": nothing matches.
    bool FNeverMatches = false;
    TGridFormatSettings FFormats;
    mutable std::vector<TLevel> FLevels;
    // Scratch of Match: the text upper-cased.
    mutable String FUpper;

    friend class TFilterProgramBuilder;
};

// One condition read once (MatchSingleCondition).
class TCompiledFilterCondition {
public:
    TCompiledFilterCondition(const String& Condition, const TGridFormatSettings& FS);
    ~TCompiledFilterCondition();
    bool Match(const String& Value) const;

    struct TValue;
    struct TOperand;
    bool Match(TValue& V) const;

private:
    bool Evaluate(int P, int Vi, TValue& V, const std::vector<uint8_t>& Next) const;
    bool Wildcard(int P, int Vi, const TValue& V, const std::vector<uint8_t>& Next) const;
    int Compare(int OperandIndex, int Vi, TValue& V) const;

    String FText;
    TGridFormatSettings FFormats;
    int FLength;
    // The positions right after each run of stars, in order.
    std::vector<int> FLevels;
    // From each position: the next ">" / "<" and the operand after it.
    std::vector<int> FNextGt, FNextLt;
    std::vector<int> FGtOperand, FLtOperand;
    std::vector<TOperand> FOperands;
    int FLastBang, FLastCaret, FLastAmp;
    // Scratch of one match: the star levels' answers and, with stars, the
    // comparisons already made (by operand and text start).
    mutable std::vector<uint8_t> FHere, FNext;
    mutable std::vector<int8_t> FCmp;
    mutable bool FCacheCmp = false;
};
