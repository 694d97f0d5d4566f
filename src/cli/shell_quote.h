// SPDX-License-Identifier: BSD-2-Clause
// Quoting for the Bourne shell, so that output can be eval'ed.
#pragma once

#include <string_view>

#include "cli/stdio_output.h"

namespace inipick {

// Writes text between single quotes; each run of single quotes inside it is
// written as '"<the quotes>"'.
void shell_quote(stdio_output& out, std::string_view text);

// Whether "NAME=" starts an assignment, not a command word: ASCII letters,
// digits and _ only; unless a prefix stands before it, not empty and no
// digit first.
bool shell_variable_name(std::string_view name, bool prefixed) noexcept;

}  // namespace inipick
