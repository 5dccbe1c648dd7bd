#pragma once

struct CRuntimeClass;
class CDocTemplate;
class CDocument;
class CFrameWnd;

// What a frame needs to make its view: handed through frame creation.
struct CCreateContext
{
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};
