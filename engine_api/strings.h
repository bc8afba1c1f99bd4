// Texts of the engine. A _str owns a zero-terminated text on the engine's heap, or no text at all;
// a DString is the engine's plain character string, used where a text is handed over by value.
#pragma once

#include <cstdint>

#include "export.h"

class ENGINE_API _str {
public:
    _str();
    _str(const char* text);  // NOLINT(google-explicit-constructor): the engine's texts convert freely
    _str(const _str& other);
    _str& operator=(const _str& other);
    _str& operator=(const char* text);
    ~_str();

    // The text, or nullptr when the string holds none.
    const char* pchar() const;
    // Length of the text; 0 when there is none.
    int32_t Length() const;
    // True when the text equals `text` (a string without text equals only "" and nullptr).
    bool Equal(const char* text) const;
    void Clear();

private:
    void Assign(const char* text);
    char* m_text;
};

class ENGINE_API DString {
public:
    DString();
    explicit DString(const _str& text);
    DString(const DString& other);
    DString& operator=(const DString& other);
    ~DString();

    // The text; never nullptr (an absent text reads as "").
    const char* pchar() const;

private:
    _str m_text;
};
