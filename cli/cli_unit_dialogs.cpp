#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_dialog_view.h"
#include "cli/cli_view.h"
#include "dialogs/convert_dialog_model.h"
#include "dialogs/dialog_view.h"
#include "dialogs/properties_dialog_model.h"

namespace zentra::cli {
namespace {

std::vector<std::string> splitAtColons(const std::string& text) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == ':') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

// The first count parts joined again: property names may hold colons, unit and
// constant names cannot.
std::string joinFirst(const std::vector<std::string>& parts, std::size_t count) {
    std::string joined;
    for (std::size_t i = 0; i < count; ++i) {
        if (i) joined += ':';
        joined += parts[i];
    }
    return joined;
}

}  // namespace

// "PROPERTY:FROM:TO"; an empty part keeps the preselection; "esc" cancels.
bool answerConvertDialog(DialogAnswers& answers, ConvertDialogModel& model) {
    const auto token = answers.next();
    if (!token || token->text == "esc") return false;
    const auto parts = splitAtColons(token->text);
    if (parts.size() < 3) {
        answers.refuse(*token, "expected PROPERTY:FROM:TO or esc");
        return false;
    }
    const std::size_t n = parts.size();
    CliDialogView view(answers);
    model.initialise(view);
    return view.choose(model, ConvertDialogModel::kPropertyList, joinFirst(parts, n - 2), *token,
                       "property") &&
           view.choose(model, ConvertDialogModel::kFromList, parts[n - 2], *token, "unit") &&
           view.choose(model, ConvertDialogModel::kToList, parts[n - 1], *token, "unit") &&
           model.accept(view);
}

// Properties and Units: "PROPERTY". Constants: "PROPERTY:CONSTANT" or
// "PROPERTY:CONSTANT:UNIT". "esc" cancels either.
bool answerPropertiesDialog(DialogAnswers& answers, PropertiesDialogModel& model) {
    using Model = PropertiesDialogModel;
    const auto token = answers.next();
    if (!token || token->text == "esc") return false;
    CliDialogView view(answers);
    model.initialise(view);
    if (!model.constantsMode) {
        return view.choose(model, Model::kPropertyList, token->text, *token, "property") &&
               model.accept(view);
    }
    const auto parts = splitAtColons(token->text);
    const std::size_t n = parts.size();
    if (n < 2) {
        answers.refuse(*token, "expected PROPERTY:CONSTANT[:UNIT] or esc");
        return false;
    }
    // With two colons or more the last part is the unit, unless only the
    // longer property name exists.
    const bool withUnit = n >= 3 && (view.hasEntry(Model::kPropertyList, joinFirst(parts, n - 2)) ||
                                     !view.hasEntry(Model::kPropertyList, joinFirst(parts, n - 1)));
    const std::size_t constantAt = withUnit ? n - 2 : n - 1;
    return view.choose(model, Model::kPropertyList, joinFirst(parts, constantAt), *token,
                       "property") &&
           view.choose(model, Model::kConstantList, parts[constantAt], *token, "constant") &&
           (!withUnit || view.choose(model, Model::kUnitList, parts[n - 1], *token, "unit")) &&
           model.accept(view);
}

}  // namespace zentra::cli
