#include "model/header.h"

#include "model/archive.h"
#include "model/report.h"
#include "platform/files.h"

void CHeaderObject::Serialize(CArchive& ar)
{
    if (ar.IsFailed() || ar.IsStoring())
        return;
    CArchive::Scope scope(ar, "a library header", &m_bError);
    ar.Text(m_strName);
    ar.Text(m_strCategory);
    ar.Int(m_nValue);
    ar.Byte(m_nType);
    // The preview exists before its flag is read, so a header without one still owns an
    // empty bitmap.
    m_pPreview = std::make_unique<CHBitmap>();
    int32_t flag = 0;
    ar.Int(flag);
    if (flag != 0)
        m_pPreview->Serialize(ar);
}

void CHeaderObject::Store(CArchive& ar)
{
    ar.Text(m_strName);
    ar.Text(m_strCategory);
    ar.Int(m_nValue);
    ar.Byte(m_nType);
    int32_t flag = m_pPreview && m_pPreview->HasData() ? 1 : 0;
    ar.Int(flag);
    if (flag != 0)
        m_pPreview->Serialize(ar);
}

int CHeaderObject::ReadFile(const std::string& directory, const std::string& fileName)
{
    std::string path = platform::JoinPath(directory, fileName);
    if (!LoadObject(path, *this)) {
        m_bError = 1;
        return typeUnreadable;
    }
    m_strDirectory = directory;
    return m_nType;
}

std::string CHeaderObject::ItemPath() const
{
    return platform::JoinPath(m_strDirectory, std::to_string(m_nValue) + ".zty");
}
