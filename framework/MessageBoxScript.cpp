#include "framework/MessageBoxScript.h"

#include <windows.h>

#include "framework/AfxMessageBox.h"

namespace {

CMessageBoxScript* g_pActive = nullptr;

}  // namespace

CMessageBoxScript::CMessageBoxScript() : m_pfnPrevious(AfxSetMessageBoxHandler(&Answer)), m_pPrevious(g_pActive)
{
    g_pActive = this;
}

CMessageBoxScript::~CMessageBoxScript()
{
    g_pActive = m_pPrevious;
    AfxSetMessageBoxHandler(m_pfnPrevious);
}

void CMessageBoxScript::QueueAnswer(int nAnswer)
{
    m_answers.push_back(nAnswer);
}

std::vector<CString> CMessageBoxScript::GetTexts() const
{
    std::vector<CString> texts;
    for (const Shown& shown : m_shown)
        texts.push_back(shown.text);
    return texts;
}

CString CMessageBoxScript::GetAllTexts() const
{
    CString all;
    for (const Shown& shown : m_shown)
        all += shown.text + '\n';
    return all;
}

int CMessageBoxScript::DefaultAnswer(UINT nType)
{
    static const int kButtons[][3] = {
        {IDOK, IDOK, IDOK},             // MB_OK
        {IDOK, IDCANCEL, IDCANCEL},     // MB_OKCANCEL
        {IDABORT, IDRETRY, IDIGNORE},   // MB_ABORTRETRYIGNORE
        {IDYES, IDNO, IDCANCEL},        // MB_YESNOCANCEL
        {IDYES, IDNO, IDNO},            // MB_YESNO
        {IDRETRY, IDCANCEL, IDCANCEL},  // MB_RETRYCANCEL
    };
    const UINT nButtons = nType & MB_TYPEMASK;
    const UINT nDefault = (nType & MB_DEFMASK) >> 8;
    if (nButtons >= sizeof kButtons / sizeof kButtons[0] || nDefault > 2)
        return IDOK;
    return kButtons[nButtons][nDefault];
}

int CMessageBoxScript::Answer(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    CMessageBoxScript* pScript = g_pActive;
    pScript->m_shown.push_back(Shown{lpszText, lpszCaption, nType, hOwner});
    if (pScript->m_answers.empty())
        return DefaultAnswer(nType);
    const int nAnswer = pScript->m_answers.front();
    pScript->m_answers.pop_front();
    return nAnswer;
}
