// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options of a command, each declared once: its name, whether it takes a
// value, what it sets in the command's options and its entries in the usage's
// list of options. Both the reading of the command line and that list are
// driven by the declarations.

#include "ArgumentParsing.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace kalto::cli {

enum class OptionValue {
    Required,  // "--name value" or "--name=value"
    None,      // a flag; "--name=…" is an unknown option
    Refused,   // a flag; "--name=…" is refused with a message of its own
};

// One entry of the usage's list of options: the option's name, then `Value`
// (such as "MINUTOS" or "csv"; may be empty), then `Text` from the list's text
// column, its lines after the first indented to that column.
struct OptionHelp {
    std::string_view Value;
    std::string_view Text;
};

inline constexpr std::size_t MaxOptionHelps = 5;

// `Values` is the command's options structure, which the declarations set.
template <typename Values>
struct OptionDeclaration {
    std::string_view Name;
    OptionValue Value = OptionValue::Required;
    // Sets the value into the options, throwing UsageError for a wrong one; a
    // flag gets an empty value.
    void (*Set)(Values& values, std::string_view value) = nullptr;
    // The option's entries in the list, none when the synopsis says it all.
    std::array<OptionHelp, MaxOptionHelps> Help{};
    // Named in the next option's entry instead: "--ancho, --alto".
    bool HelpWithNext = false;
    // What the value is, in the message that it is missing; may be empty.
    std::string_view ValueMeaning{};
};

template <typename Values>
struct CommandDeclaration {
    std::string_view Name;  // as the messages name the command
    std::span<const OptionDeclaration<Values>> Options;
    // Where the texts of the option list start, after the list's indent.
    std::size_t HelpColumn = 0;
    // Takes an argument that is not an option; without it such an argument is
    // refused.
    void (*Argument)(Values& values, std::string_view argument) = nullptr;
};

// `first` followed by `second`: a command's declarations made of parts.
template <typename Values, std::size_t First, std::size_t Second>
[[nodiscard]] constexpr std::array<OptionDeclaration<Values>, First + Second> JoinDeclarations(
    const std::array<OptionDeclaration<Values>, First>& first,
    const std::array<OptionDeclaration<Values>, Second>& second) {
    std::array<OptionDeclaration<Values>, First + Second> all{};
    std::copy(first.begin(), first.end(), all.begin());
    std::copy(second.begin(), second.end(), all.begin() + First);
    return all;
}

// Appends one entry of an option list: `label` and the lines of `text`.
void AppendOptionHelp(std::string& list, std::string_view label, std::string_view text, std::size_t column);

// Reads `args` into `values` in their order: each option "--name", "--name
// value" or "--name=value" as declared, and any other argument as the command
// takes it. Throws UsageError for an unknown option, a missing value and an
// argument the command does not take.
template <typename Values>
void ParseCommandOptions(std::span<const std::string_view> args, const CommandDeclaration<Values>& command,
                         Values& values) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!arg.starts_with("--")) {
            if (command.Argument == nullptr) ThrowExtraArgument(arg, command.Name);
            command.Argument(values, arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        const OptionDeclaration<Values>* option = nullptr;
        for (const OptionDeclaration<Values>& declared : command.Options) {
            if (declared.Name == name) option = &declared;
        }
        const bool withValue = equals != std::string_view::npos;
        if (option == nullptr || (option->Value == OptionValue::None && withValue)) ThrowUnknownOption(arg);
        if (option->Value == OptionValue::Required) {
            if (!withValue && i + 1 == args.size()) ThrowMissingValue(name, option->ValueMeaning);
            option->Set(values, withValue ? arg.substr(equals + 1) : args[++i]);
        } else if (withValue) {
            ThrowFlagWithValue(name);
        } else {
            option->Set(values, {});
        }
    }
}

// The usage's list of the command's options, an entry a line group.
template <typename Values>
[[nodiscard]] std::string OptionListText(const CommandDeclaration<Values>& command) {
    std::string list;
    std::string label;
    for (const OptionDeclaration<Values>& option : command.Options) {
        label += option.Name;
        if (option.HelpWithNext) {
            label += ", ";
            continue;
        }
        for (const OptionHelp& help : option.Help) {
            if (help.Text.empty()) break;
            AppendOptionHelp(list, help.Value.empty() ? label : label + " " + std::string(help.Value), help.Text,
                             command.HelpColumn);
        }
        label.clear();
    }
    return list;
}

}  // namespace kalto::cli
