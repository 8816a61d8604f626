#include "editor/ui/DocumentHost.h"

#include <vector>

namespace {
std::vector<DocumentHost::Feature>& registered()
{
    static std::vector<DocumentHost::Feature> features;
    return features;
}
} // namespace

void DocumentHost::registerFeature(Feature feature)
{
    if (feature) registered().push_back(std::move(feature));
}

void DocumentHost::attachFeatures(DocumentHost& host)
{
    for (const Feature& feature : registered()) feature(host);
}
