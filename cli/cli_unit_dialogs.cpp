#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_view.h"
#include "dialogs/convert_dialog_model.h"
#include "dialogs/dialog_view.h"
#include "dialogs/properties_dialog_model.h"

namespace zentra::cli {
namespace {

// The units dialogs without a screen: the models run against the controls'
// state, and the answer token picks entries by name as a user would.
class CliDialogView : public ControlStateView {
public:
    explicit CliDialogView(DialogAnswers& answers) : answers_(answers) {}

    void showMessage(std::string_view text) override { answers_.message(std::string(text)); }
    // The answers only choose entries, so no field is edited and no question
    // arises; if one did, No leaves the database as it is.
    bool askYesNo(std::string_view text, std::string_view /*caption*/) override {
        answers_.message(std::string(text));
        return false;
    }
    bool runNameDialog(NameDialogModel&) override { return false; }
    bool runFindDialog(FindDialogModel&) override { return false; }
    std::optional<std::string> chooseSaveFile() override { return std::nullopt; }
    std::optional<std::string> chooseLoadFile() override { return std::nullopt; }

    // Chooses the entry named exactly name, as the user's pick; an empty name
    // keeps the dialog's preselection.
    void choose(DialogModel& model, ControlId list, const std::string& name, const Token& token,
                const char* what) {
        if (name.empty()) return;
        if (!lists[list].selectExact(name))
            answers_.refuse(token, "no " + std::string(what) + " \"" + name + "\"");
        model.selectionChanged(*this, list);
    }

    bool hasEntry(ControlId list, const std::string& name) {
        const auto& items = lists[list].items();
        return std::find(items.begin(), items.end(), name) != items.end();
    }

private:
    DialogAnswers& answers_;
};

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
    if (parts.size() < 3) answers.refuse(*token, "expected PROPERTY:FROM:TO or esc");
    const std::size_t n = parts.size();
    CliDialogView view(answers);
    model.initialise(view);
    view.choose(model, ConvertDialogModel::kPropertyList, joinFirst(parts, n - 2), *token,
                "property");
    view.choose(model, ConvertDialogModel::kFromList, parts[n - 2], *token, "unit");
    view.choose(model, ConvertDialogModel::kToList, parts[n - 1], *token, "unit");
    return model.accept(view);
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
        view.choose(model, Model::kPropertyList, token->text, *token, "property");
        return model.accept(view);
    }
    const auto parts = splitAtColons(token->text);
    const std::size_t n = parts.size();
    if (n < 2) answers.refuse(*token, "expected PROPERTY:CONSTANT[:UNIT] or esc");
    // With two colons or more the last part is the unit, unless only the
    // longer property name exists.
    const bool withUnit = n >= 3 && (view.hasEntry(Model::kPropertyList, joinFirst(parts, n - 2)) ||
                                     !view.hasEntry(Model::kPropertyList, joinFirst(parts, n - 1)));
    const std::size_t constantAt = withUnit ? n - 2 : n - 1;
    view.choose(model, Model::kPropertyList, joinFirst(parts, constantAt), *token, "property");
    view.choose(model, Model::kConstantList, parts[constantAt], *token, "constant");
    if (withUnit) view.choose(model, Model::kUnitList, parts[n - 1], *token, "unit");
    return model.accept(view);
}

}  // namespace zentra::cli
