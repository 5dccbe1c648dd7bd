#include "shell/graphics/DecodedPicture.h"

#include <cstdio>
#include <memory>
#include <new>

#include <windows.h>
#include <wincodec.h>

namespace {

// A picture that would need more memory than this is refused as damaged.
constexpr unsigned long long MaxPixels = 1ull << 25;
constexpr long MaxFileBytes = 1l << 28;

// Balances the thread's COM initialisation; a thread already in another apartment mode keeps it.
class CComApartment
{
public:
    CComApartment() : m_result(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~CComApartment()
    {
        if (SUCCEEDED(m_result))
            ::CoUninitialize();
    }
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;

private:
    HRESULT m_result;
};

template <class T>
class CComRef
{
public:
    CComRef() = default;
    ~CComRef()
    {
        if (m_p)
            m_p->Release();
    }
    CComRef(const CComRef&) = delete;
    CComRef& operator=(const CComRef&) = delete;

    T** Out() { return &m_p; }
    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }

private:
    T* m_p = nullptr;
};

struct CFileCloser
{
    void operator()(std::FILE* pFile) const { std::fclose(pFile); }
};

std::vector<BYTE> ReadWholeFile(LPCSTR lpszPath)
{
    std::unique_ptr<std::FILE, CFileCloser> file(std::fopen(lpszPath, "rb"));
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0)
        return {};
    long size = std::ftell(file.get());
    if (size <= 0 || size > MaxFileBytes || std::fseek(file.get(), 0, SEEK_SET) != 0)
        return {};
    std::vector<BYTE> bytes(static_cast<std::size_t>(size));
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        return {};
    return bytes;
}

bool IsBitmapFile(const std::vector<BYTE>& bytes)
{
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

// The first frame of the file, converted to 32-bit blue-green-red pixels.
bool OpenFirstFrame(IWICImagingFactory* pFactory, std::vector<BYTE>& bytes, CComRef<IWICStream>& stream,
                    CComRef<IWICBitmapDecoder>& decoder, CComRef<IWICBitmapFrameDecode>& frame,
                    CComRef<IWICFormatConverter>& converter)
{
    return SUCCEEDED(pFactory->CreateStream(stream.Out())) &&
           SUCCEEDED(stream->InitializeFromMemory(bytes.data(), static_cast<DWORD>(bytes.size()))) &&
           SUCCEEDED(pFactory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                                       decoder.Out())) &&
           SUCCEEDED(decoder->GetFrame(0, frame.Out())) &&
           SUCCEEDED(pFactory->CreateFormatConverter(converter.Out())) &&
           SUCCEEDED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr,
                                           0.0, WICBitmapPaletteTypeCustom));
}

}  // namespace

BOOL CDecodedPicture::Load(LPCSTR lpszPath, BOOL bBitmapFiles)
{
    Free();
    std::vector<BYTE> bytes = ReadWholeFile(lpszPath);
    if (bytes.empty() || (IsBitmapFile(bytes) && !bBitmapFiles))
        return FALSE;
    CComApartment apartment;
    CComRef<IWICImagingFactory> factory;
    CComRef<IWICStream> stream;
    CComRef<IWICBitmapDecoder> decoder;
    CComRef<IWICBitmapFrameDecode> frame;
    CComRef<IWICFormatConverter> converter;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                  reinterpret_cast<void**>(factory.Out()))) ||
        !OpenFirstFrame(factory.Get(), bytes, stream, decoder, frame, converter) ||
        FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 ||
        static_cast<unsigned long long>(width) * height > MaxPixels)
        return FALSE;
    try
    {
        m_pixels.resize(static_cast<std::size_t>(width) * height);
    }
    catch (const std::bad_alloc&)
    {
        return FALSE;
    }
    UINT stride = width * sizeof(DWORD);
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, reinterpret_cast<BYTE*>(m_pixels.data()))))
    {
        Free();
        return FALSE;
    }
    m_width = static_cast<LONG>(width);
    m_height = static_cast<LONG>(height);
    return TRUE;
}

void CDecodedPicture::Free()
{
    std::vector<DWORD>().swap(m_pixels);
    m_width = 0;
    m_height = 0;
}

BOOL CDecodedPicture::Draw(HDC hdc, const RECT& rect) const
{
    if (!HasPicture())
        return FALSE;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), m_width, -m_height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    int previousMode = ::SetStretchBltMode(hdc, COLORONCOLOR);
    int lines = ::StretchDIBits(hdc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0, 0, m_width,
                                m_height, m_pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    ::SetStretchBltMode(hdc, previousMode);
    return lines != 0 && lines != static_cast<int>(GDI_ERROR);
}
