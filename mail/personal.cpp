#include "mail/personal.h"

#include "mail/contacts.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "model/shapes.h"
#include "platform/message.h"
#include "platform/text.h"
#include "platform/translate.h"

#include <functional>

using platform::Fill;
using platform::Tr;

namespace {

void Replace(std::string& text, const std::string& what, const std::string& with)
{
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

// Calls visit with every text object's text of the stage and of the clips on it.
void ForEachText(CStage& stage, const std::function<void(std::string&)>& visit)
{
    CLayerList* layers = stage.GetLayers();
    if (layers == nullptr)
        return;
    for (CLayer* layer : *layers) {
        if (layer == nullptr || !layer->m_pDrawing)
            continue;
        CGenericDrawing* object = layer->m_pDrawing->GetObject();
        if (auto* drawn = dynamic_cast<CDrawnObject*>(object); drawn != nullptr) {
            if (auto* text = dynamic_cast<CDrawTextRect*>(drawn->m_pShape.get()); text != nullptr)
                visit(text->m_strText);
        } else if (auto* clip = dynamic_cast<CAnimationObject*>(object);
                   clip != nullptr && clip->m_pStage) {
            ForEachText(*clip->m_pStage, visit);
        }
    }
}

void ForEachText(const CAbstractMovie& movie, const std::function<void(std::string&)>& visit)
{
    if (CStageList* stages = movie.GetStages(); stages != nullptr)
        for (CStage* stage : *stages)
            if (stage != nullptr)
                ForEachText(*stage, visit);
}

} // namespace

CRecipientName NameOf(const std::string& address, const CContactBook& contacts)
{
    CRecipientName name;
    const int found = contacts.Find(address);
    if (found >= 0) {
        const CContact& contact = contacts.Contacts()[static_cast<size_t>(found)];
        name.m_strName = contact.DisplayName();
        name.m_strFirst = contact.FirstName();
    }
    if (name.m_strName.empty()) {
        name.m_strName = address.substr(0, address.find('@'));
        name.m_strFirst = name.m_strName;
    }
    return name;
}

bool HasPlaceholder(const std::string& text)
{
    return text.find(kNamePlaceholder) != std::string::npos
        || text.find(kFirstPlaceholder) != std::string::npos;
}

std::string FillPlaceholders(const std::string& text, const CRecipientName& name)
{
    std::string filled = text;
    Replace(filled, kNamePlaceholder, name.m_strName);
    Replace(filled, kFirstPlaceholder, name.m_strFirst);
    return filled;
}

bool MovieHasPlaceholder(const CAbstractMovie& movie)
{
    bool found = false;
    ForEachText(movie, [&](std::string& text) { found = found || HasPlaceholder(text); });
    return found;
}

int FillMovie(CAbstractMovie& movie, const CRecipientName& name)
{
    int changed = 0;
    ForEachText(movie, [&](std::string& text) {
        if (!HasPlaceholder(text))
            return;
        text = FillPlaceholders(text, name);
        ++changed;
    });
    return changed;
}

bool PersonalProject(const std::string& source, const std::string& target,
    const CRecipientName& name, std::string& reason)
{
    platform::Message failure;
    std::unique_ptr<CAbstractMovie> movie = ReadProjectFile(source, &failure);
    if (!movie) {
        reason = failure.strText;
        return false;
    }
    FillMovie(*movie, name);
    if (!SaveProject(*movie, target)) {
        reason = Fill(Tr("Mail", "%1 cannot be written"), { target });
        return false;
    }
    return true;
}

bool ProjectHasPlaceholder(const std::string& path)
{
    platform::Message failure;
    std::unique_ptr<CAbstractMovie> movie = ReadProjectFile(path, &failure);
    return movie && MovieHasPlaceholder(*movie);
}
