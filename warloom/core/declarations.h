// The declaration of the plug-in's script functions to the engine.
#pragma once

namespace warloom {

// One declared parameter: its type word and its name, as passed to the engine.
struct ParamDecl {
    const char* type;
    const char* name;
};

// The most parameters any script function declares.
constexpr int kMaxDeclaredParams = 9;

// One declared script function; its parameters end at the first entry without a type word.
struct FunctionDecl {
    const char* name;
    ParamDecl params[kMaxDeclaredParams];
};

// Empties the engine's declaration list, then declares every script function, family by family.
void DeclareScriptFunctions();

}  // namespace warloom
