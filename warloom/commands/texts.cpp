// Text commands: a hint shown for a time, and a text built from a template and values.
#include "warloom/core/params.h"
#include "warloom/core/script.h"

using warloom::Params;

WARLOOM_EXPORT int TEXT_ShowHint(pParamList* list)
{
    _str* text = nullptr;
    int32_t time = 0;
    if (!Params(list).read("strTEXT", text, "iTIME", time))
        return 0;
    GameInterface::PrintConsoleMessage2(text->pchar() ? text->pchar() : "", time);
    return 1;
}

WARLOOM_EXPORT int TEXT_CreateParamString(pParamList* list)
{
    _str* destination = nullptr;
    _str* source = nullptr;
    pARRAY values;
    if (!Params(list).read("strDestTextID", destination, "strSourceTextID", source, "arrPARS", values))
        return 0;
    return GameInterface::PrepareString(*destination, *source, values) ? 1 : 0;
}
