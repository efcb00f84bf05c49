#include "commentary_rules.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <stdexcept>

namespace torvik::host {

std::u16string render(const TextSource& source, const Sentence& sentence) {
    std::u16string out;
    for (const Piece& piece : sentence) {
        if (const Phrase* phrase = std::get_if<Phrase>(&piece))
            out += format_printf(source.require(phrase->id), phrase->args);
        else
            out += std::get<std::u16string>(piece);
    }
    return out;
}

// --- P-value bands ------------------------------------------------------------------

Band band_of(double p_value) {
    if (!(p_value >= 0.0 && p_value <= 1.0)) throw std::invalid_argument("a P-value lies between 0 and 1");
    if (p_value >= 0.10) return Band::not_significant;
    if (p_value < 0.01) return Band::at_99;
    if (p_value < 0.05) return Band::at_95;
    return Band::at_90;
}

std::vector<Sentence> band_commentary(const BandSet& set, double p_value, std::vector<PrintfArgument> statement_args,
                                      std::vector<PrintfArgument> advice_args) {
    auto band = static_cast<std::size_t>(band_of(p_value));
    std::vector<Sentence> out{{Phrase{set.statement[band], std::move(statement_args)}}};
    if (set.advice[band]) out.push_back({Phrase{*set.advice[band], std::move(advice_args)}});
    return out;
}

// --- Count forms --------------------------------------------------------------------

std::optional<Phrase> count_phrase(const CountForm& form, std::size_t n, std::vector<PrintfArgument> rest) {
    if (n == 0) {
        if (!form.none) return std::nullopt;
        return Phrase{*form.none, std::move(rest)};
    }
    if (n == 1) return Phrase{form.one, std::move(rest)};
    std::vector<PrintfArgument> args{PrintfArgument(n)};
    args.insert(args.end(), std::make_move_iterator(rest.begin()), std::make_move_iterator(rest.end()));
    return Phrase{form.several, std::move(args)};
}

// --- Counts beyond two thresholds ----------------------------------------------------

ThresholdCounts count_beyond(std::span<const double> values, double first, double second) {
    ThresholdCounts counts;
    for (double v : values) {
        if (v > first) ++counts.beyond_first;
        if (v > second && v > first) ++counts.beyond_second;
    }
    return counts;
}

std::vector<Sentence> two_threshold_commentary(const TwoThresholdForm& form, ThresholdCounts counts) {
    const std::size_t a = counts.beyond_first, b = counts.beyond_second;
    if (b > a) throw std::invalid_argument("more values beyond the second threshold than beyond the first");
    Phrase count{form.none};
    if (a == 1)
        count = Phrase{b == 0 ? form.one : form.one_also_beyond};
    else if (a >= 2) {
        if (b == 0)
            count = Phrase{form.several, {a}};
        else if (b == 1)
            count = Phrase{form.several_one_beyond, {a}};
        else if (b < a)
            count = Phrase{form.several_some_beyond, {a, b}};
        else
            count = Phrase{form.several_all_beyond, {a}};
    }
    std::vector<Sentence> out{{std::move(count)}};
    if (b >= 1) out.push_back({Phrase{form.advice}});
    return out;
}

ThresholdCounts studentized_residual_counts(std::span<const double> studentized_residuals) {
    std::vector<double> magnitudes;
    magnitudes.reserve(studentized_residuals.size());
    for (double r : studentized_residuals) magnitudes.push_back(std::fabs(r));
    return count_beyond(magnitudes, kResidualListed, kResidualSingledOut);
}

ThresholdCounts leverage_counts(std::span<const double> leverages, double average_leverage) {
    return count_beyond(leverages, kLeverageListed * average_leverage, kLeverageSingledOut * average_leverage);
}

// --- Other counted quantities ---------------------------------------------------------

namespace {

std::size_t count_magnitudes_above(std::span<const double> values, double threshold) {
    std::size_t n = 0;
    for (double v : values) n += std::fabs(v) > threshold;
    return n;
}

}  // namespace

std::size_t large_correlation_count(std::span<const double> correlations) {
    return count_magnitudes_above(correlations, kLargeCoefficientCorrelation);
}

Sentence coefficient_correlation_sentence(std::size_t large_correlations, bool model_has_constant) {
    Sentence out;
    out.emplace_back(*count_phrase(commentary::large_coefficient_correlations, large_correlations));
    if (model_has_constant) out.push_back(Phrase{IDS_CORRELATIONS_BUT_CONSTANT});
    out.push_back(u".");
    return out;
}

std::size_t large_dfits_count(std::span<const double> dfits, std::size_t coefficients) {
    if (dfits.empty()) return 0;
    double cutoff = 2.0 * std::sqrt(static_cast<double>(coefficients) / static_cast<double>(dfits.size()));
    return count_magnitudes_above(dfits, cutoff);
}

std::size_t large_cooks_distance_count(std::span<const double> cooks_distances) {
    if (cooks_distances.empty()) return 0;
    return count_magnitudes_above(cooks_distances, 4.0 / static_cast<double>(cooks_distances.size()));
}

// --- Articles ---------------------------------------------------------------------------

namespace {

constexpr bool is_upper(char16_t c) { return c >= u'A' && c <= u'Z'; }
constexpr bool is_lower(char16_t c) { return c >= u'a' && c <= u'z'; }
constexpr char16_t to_lower(char16_t c) { return is_upper(c) ? static_cast<char16_t>(c - u'A' + u'a') : c; }

bool starts_with_any(std::u16string_view lower_word, std::initializer_list<std::u16string_view> beginnings) {
    for (std::u16string_view b : beginnings)
        if (lower_word.substr(0, b.size()) == b) return true;
    return false;
}

}  // namespace

bool takes_an(std::u16string_view word) {
    if (word.empty()) return false;
    // A capital not followed by a small letter is read as its letter name.
    if (is_upper(word[0]) && (word.size() == 1 || !is_lower(word[1])))
        return std::u16string_view(u"AEFHILMNORSX").find(word[0]) != std::u16string_view::npos;
    std::u16string lower(word.substr(0, 6));
    for (char16_t& c : lower) c = to_lower(c);
    switch (lower[0]) {
        case u'a':
        case u'i':
            return true;
        case u'e':
            return !starts_with_any(lower, {u"eu", u"ewe"});
        case u'o':
            return !starts_with_any(lower, {u"one", u"once"});
        case u'u':
            return !starts_with_any(lower, {u"uni", u"us", u"ut", u"ure", u"uri"});
        case u'h':
            return starts_with_any(lower, {u"hour", u"honest", u"honor", u"honour", u"heir"});
        default:
            return false;
    }
}

std::uint16_t with_article(const ArticlePair& pair, std::u16string_view word) {
    return takes_an(word) ? pair.an : pair.a;
}

// --- One-variable fits --------------------------------------------------------------------

namespace {

struct ModelFormTexts {
    std::uint16_t word;
    std::optional<std::uint16_t> linearizing_ending;
};

// By ModelForm, in the order of the model statements.
constexpr std::array<ModelFormTexts, 13> model_forms = {{
    {IDS_MODEL_WORD_LINEAR, std::nullopt},
    {IDS_MODEL_WORD_EXPONENTIAL, IDS_FIT_LINEARIZED_LOGARITHMIC},
    {IDS_MODEL_WORD_RECIPROCAL_Y, IDS_FIT_LINEARIZED_RECIPROCAL},
    {IDS_MODEL_WORD_RECIPROCAL_X, std::nullopt},
    {IDS_MODEL_WORD_DOUBLE_RECIPROCAL, IDS_FIT_LINEARIZED_RECIPROCAL},
    {IDS_MODEL_WORD_LOGARITHMIC_X, std::nullopt},
    {IDS_MODEL_WORD_MULTIPLICATIVE, IDS_FIT_LINEARIZED_LOGARITHMIC},
    {IDS_MODEL_WORD_SQUARE_ROOT_X, std::nullopt},
    {IDS_MODEL_WORD_SQUARE_ROOT_Y, IDS_FIT_LINEARIZED_SQUARE_ROOT},
    {IDS_MODEL_WORD_S_CURVE, IDS_FIT_LINEARIZED_LOGARITHMIC},
    {IDS_MODEL_WORD_LOGISTIC, IDS_FIT_LINEARIZED_LOGIT},
    {IDS_MODEL_WORD_LOG_PROBIT, IDS_FIT_LINEARIZED_INVERSE_NORMAL},
    {IDS_MODEL_WORD_PIECEWISE_LINEAR, std::nullopt},
}};

const ModelFormTexts& texts_of(ModelForm form) { return model_forms.at(static_cast<std::size_t>(form)); }

}  // namespace

std::uint16_t model_word_id(ModelForm form) { return texts_of(form).word; }

std::optional<std::uint16_t> linearizing_ending(ModelForm form) { return texts_of(form).linearizing_ending; }

Sentence fit_sentence(const TextSource& source, const ArticlePair& pair, ModelForm form, std::u16string y,
                      std::u16string x) {
    std::u16string word = source.require(model_word_id(form));
    std::uint16_t id = with_article(pair, word);
    return {Phrase{id, {std::move(word), std::move(y), std::move(x)}}};
}

Sentence r_squared_sentence(ModelForm form, std::u16string r_squared, std::u16string y) {
    Sentence out{Phrase{IDS_FIT_R_SQUARED_OPENING}, std::move(r_squared),
                 Phrase{IDS_FIT_R_SQUARED_OF_Y, {std::move(y)}}};
    if (auto ending = linearizing_ending(form))
        out.push_back(Phrase{*ending});
    else
        out.push_back(u".");
    return out;
}

Sentence correlation_sentence(double r, std::u16string value) {
    double magnitude = std::fabs(r);
    std::uint16_t ending = magnitude >= kStrongCorrelation     ? IDS_FIT_CORRELATION_STRONG
                           : magnitude >= kModerateCorrelation ? IDS_FIT_CORRELATION_MODERATE
                                                               : IDS_FIT_CORRELATION_WEAK;
    return {Phrase{IDS_FIT_CORRELATION_OPENING}, std::move(value), Phrase{ending}};
}

// --- Multiple regression ----------------------------------------------------------------------

std::vector<Sentence> durbin_watson_commentary(const DurbinWatsonTexts& texts, double statistic) {
    if (statistic < kDurbinWatsonThreshold) return {{Phrase{texts.below}}, {Phrase{texts.below_advice}}};
    return {{Phrase{texts.above}}};
}

// --- Polynomials ---------------------------------------------------------------------------------

std::optional<Phrase> polynomial_order_suggestion(double p_value, int term_order, int model_order) {
    Band band = band_of(p_value);
    if (band == Band::at_99) return Phrase{IDS_POLYNOMIAL_ORDER_AT_99, {term_order, model_order}};
    if (band == Band::at_95) return Phrase{IDS_POLYNOMIAL_ORDER_AT_95, {term_order, model_order}};
    return std::nullopt;
}

// --- Tables of means and multiple range tests -------------------------------------------------------

namespace {

struct IntervalTexts {
    std::optional<std::uint16_t> what;      // what the intervals are
    std::optional<std::uint16_t> opening;   // the opening continued by the level, if any
    std::optional<std::uint16_t> ending;    // the ending after the level
    bool compares_means;                    // built to compare means with one another
};

// By MeansInterval.
constexpr std::array<IntervalTexts, 6> interval_kinds = {{
    {IDS_MEANS_ONE_STANDARD_ERROR, std::nullopt, std::nullopt, false},
    {std::nullopt, IDS_MEANS_CONFIDENCE_OPENING, IDS_MEANS_CONFIDENCE_ENDING, false},
    {IDS_MEANS_LSD, IDS_MEANS_LSD_OVERLAP_OPENING, IDS_MEANS_OF_THE_TIME, true},
    {IDS_MEANS_TUKEY_HSD, IDS_MEANS_ALL_OVERLAP_OPENING, IDS_MEANS_OF_THE_TIME, true},
    {IDS_MEANS_SCHEFFE, IDS_MEANS_ALL_OVERLAP_AT_LEAST_OPENING, IDS_MEANS_OF_THE_TIME, true},
    {IDS_MEANS_BONFERRONI, IDS_MEANS_ALL_OVERLAP_AT_LEAST_OPENING, IDS_MEANS_OF_THE_TIME, true},
}};

struct RangeTestTexts {
    std::uint16_t method;
    std::optional<std::uint16_t> risk_opening;
    std::optional<std::uint16_t> risk_ending;
};

// By RangeTestMethod.
constexpr std::array<RangeTestTexts, 6> range_test_methods = {{
    {IDS_RANGE_TESTS_METHOD_LSD, IDS_RANGE_TESTS_RISK_OPENING, IDS_RANGE_TESTS_RISK_EACH_PAIR},
    {IDS_RANGE_TESTS_METHOD_TUKEY_HSD, IDS_RANGE_TESTS_RISK_AT_MOST_OPENING, IDS_RANGE_TESTS_RISK_ANY_PAIR},
    {IDS_RANGE_TESTS_METHOD_SCHEFFE, IDS_RANGE_TESTS_RISK_AT_MOST_OPENING, IDS_RANGE_TESTS_RISK_ANY_PAIR},
    {IDS_RANGE_TESTS_METHOD_BONFERRONI, IDS_RANGE_TESTS_RISK_AT_MOST_OPENING, IDS_RANGE_TESTS_RISK_ANY_PAIR},
    {IDS_RANGE_TESTS_METHOD_NEWMAN_KEULS, std::nullopt, std::nullopt},
    {IDS_RANGE_TESTS_METHOD_DUNCAN, std::nullopt, std::nullopt},
}};

}  // namespace

std::vector<Sentence> means_interval_commentary(MeansInterval kind, std::u16string level, bool unequal_counts) {
    const IntervalTexts& texts = interval_kinds.at(static_cast<std::size_t>(kind));
    std::vector<Sentence> out{{Phrase{IDS_MEANS_INTERVALS_SHOWN}}};
    if (texts.what) out.push_back({Phrase{*texts.what}});
    if (texts.opening) out.push_back({Phrase{*texts.opening}, level, Phrase{*texts.ending}});
    if (kind == MeansInterval::confidence) out.push_back({level, Phrase{IDS_MEANS_CONFIDENCE_COVERAGE}});
    if (texts.compares_means && unequal_counts) {
        out.push_back({Phrase{IDS_MEANS_NOT_EXACT}});
        // Tukey's intervals are the ones that lose their exactness; Bonferroni's keep their bound.
        if (kind == MeansInterval::tukey_hsd) out.push_back({Phrase{IDS_MEANS_USE_BONFERRONI}});
    }
    if (kind == MeansInterval::scheffe) out.push_back({Phrase{IDS_MEANS_TUKEY_BONFERRONI_NARROWER}});
    out.push_back({Phrase{IDS_MEANS_PLOT_BY_GRAPHICAL_OPTIONS}});
    if (texts.compares_means) out.push_back({Phrase{IDS_MEANS_USED_BY_RANGE_TESTS}});
    return out;
}

std::vector<Sentence> range_test_method_commentary(RangeTestMethod method, std::u16string risk) {
    const RangeTestTexts& texts = range_test_methods.at(static_cast<std::size_t>(method));
    std::vector<Sentence> out{{Phrase{texts.method}}};
    if (texts.risk_opening) out.push_back({Phrase{*texts.risk_opening}, std::move(risk), Phrase{*texts.risk_ending}});
    if (method == RangeTestMethod::scheffe) out.push_back({Phrase{IDS_RANGE_TESTS_TUKEY_BONFERRONI_POWER}});
    return out;
}

Sentence significant_pairs_sentence(std::size_t pairs, std::u16string level) {
    return {*count_phrase(commentary::significant_pairs_of_means, pairs), std::move(level),
            Phrase{IDS_RANGE_TESTS_CONFIDENCE_LEVEL}};
}

void append_line(std::u16string& out, const TextSource& source, const Sentence& sentence) {
    out += render(source, sentence) + u"\n";
}

void append_lines(std::u16string& out, const TextSource& source, const std::vector<Sentence>& sentences) {
    for (const Sentence& s : sentences) append_line(out, source, s);
}

}  // namespace torvik::host
