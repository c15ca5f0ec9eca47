// The command line (arguments cut at zero bytes, as a C runtime hands them over) with its
// parameter text and keywords: the profile name it gives and the documents that quote the
// arguments keep their shape in every form.

#include "config/profile_location.h"
#include "config/sensor_listing.h"
#include "fuzz_support.h"
#include "run/parameter_keywords.h"
#include "run/run_context.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trevalunda;
    std::vector<std::string> arguments = fuzz::Split(fuzz::AsText(data, size), '\0', 5);
    arguments.insert(arguments.begin(), "trevalunda");
    const Result<RunContext> read = ReadCommandLine(arguments, "12:00:00");
    if (!read.ok()) {
        fuzz::RequireErrorDocumentParses(read.fatal().message);
        return 0;
    }
    RunContext context = read.value();
    ParameterText& parameters = context.ParameterString;
    fuzz::Require(parameters.Text().size() == parameters.Upper().size(),
                  "both copies of the parameter text have one length", parameters.Text());
    const ParameterKeywords asked = ReadParameterKeywords(parameters);
    fuzz::Require(asked.itemName.has_value() == context.itemRun, "ITEM= makes an item run");
    if (asked.itemName) {
        fuzz::Require(asked.itemName->size() <= 90, "items hold at most 90", *asked.itemName);
        fuzz::Require(asked.itemName->find(':') == std::string::npos, "no colon in the item");
    }

    const ProfileNaming naming = NameProfile(context.ProfileName, context.itemRun);
    fuzz::RequireErrorDocumentParses(
        MissingProfile(naming.folderFromName + naming.ProfileName).message);
    const ListingRequest request{ListingKind::Global, "SAP Vantorix.Gbl", "", parameters.Upper(),
                                 context.secondArgument};
    fuzz::RequireErrorDocumentParses(ListingFailureMessage(ListingFault::SensorNotFound, request));

    parameters.BlankColons();
    fuzz::Require(parameters.Text().find(':') == std::string::npos, "colons are blanked");
    fuzz::RequireDocumentsKeepTheirShape({"(" + context.ProfileName + ") " + context.ItemName,
                                          context.secondArgument, parameters.Text(), asked.host},
                                         asked.selectedChannel);
    return 0;
}
