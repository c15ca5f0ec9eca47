#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "netweaver_rfc_api.h"
#include "rfcsim/netweaver_simulator.h"
#include "rfcsim/test_support/session.h"
#include "rfcsim/test_support/temporary_folder.h"
#include "rfcsim/utf16.h"

namespace trevalunda::rfcsim::testing {

inline std::u16string U16(std::string_view text) {
    return Utf16FromUtf8(text);
}

inline std::string U8(std::u16string_view text) {
    return Utf8FromUtf16(text).value_or("(not UTF-16)");
}

// The logon parameters of RfcOpenConnection as the sensor passes them, names and values in
// UTF-8 here; the texts live as long as the object.
class LogonRequest {
  public:
    LogonRequest(std::initializer_list<std::pair<std::string, std::string>> parameters) {
        for (const auto& [name, value] : parameters) {
            Set(name, value);
        }
    }

    // Changes the parameter's value, or adds it at the end.
    LogonRequest& Set(const std::string& name, const std::string& value) {
        for (Entry& entry : entries_) {
            if (entry.name == U16(name)) {
                entry.value = U16(value);
                return *this;
            }
        }
        return Append(name, value);
    }

    // Adds the parameter at the end, even when it is there already.
    LogonRequest& Append(const std::string& name, const std::string& value) {
        entries_.push_back(Entry{U16(name), U16(value)});
        return *this;
    }

    LogonRequest& Remove(const std::string& name) {
        std::erase_if(entries_, [&](const Entry& entry) { return entry.name == U16(name); });
        return *this;
    }

    const NwRfcConnectionParameter* Parameters() {
        parameters_.clear();
        for (const Entry& entry : entries_) {
            parameters_.push_back(
                NwRfcConnectionParameter{entry.name.c_str(), entry.value.c_str()});
        }
        return parameters_.data();
    }
    unsigned Count() const { return static_cast<unsigned>(entries_.size()); }

  private:
    struct Entry {
        std::u16string name;
        std::u16string value;
    };
    std::deque<Entry> entries_;
    std::vector<NwRfcConnectionParameter> parameters_;
};

// A logon to PRD by its host and system number.
inline LogonRequest HostLogon() {
    return LogonRequest{{"client", "100"}, {"user", "MONITOR"},  {"passwd", "secret"},
                        {"lang", "E"},     {"ashost", "sapprd"}, {"sysnr", "00"}};
}

// A logon to the destination of sapnwrfc.ini, with C11's password.
inline LogonRequest DestinationLogon(const std::string& destination) {
    return LogonRequest{{"client", "100"},
                        {"user", "MONITOR"},
                        {"passwd", "se cret"},
                        {"lang", "D"},
                        {"dest", destination}};
}

// rfcsimnw in a folder of its own, called the way the sensor calls it.
class NetWeaverSession {
  public:
    // Writes the landscape of session.h, with the keys added to PRD's section.
    void Start(const std::string& prdKeys = "") {
        folder.Write("rfcsim.ini", TestLandscape(prdKeys));
    }

    NwRfcConnectionHandle Open(LogonRequest request = HostLogon()) {
        return sim.RfcOpenConnection(request.Parameters(), request.Count(), &error);
    }

    NwRfcReturnCode Close(NwRfcConnectionHandle connection) {
        return sim.RfcCloseConnection(connection, &error);
    }

    // Description and function; null when the description fails.
    NwRfcFunctionHandle Function(NwRfcConnectionHandle connection, const std::string& name) {
        NwRfcFunctionDescHandle description =
            sim.RfcGetFunctionDesc(connection, U16(name).c_str(), &error);
        return description == nullptr ? nullptr : sim.RfcCreateFunction(description, &error);
    }

    NwRfcReturnCode Destroy(NwRfcFunctionHandle function) {
        return sim.RfcDestroyFunction(function, &error);
    }

    NwRfcStructureHandle SystemInfoExport(NwRfcDataContainer function) {
        NwRfcStructureHandle structure = nullptr;
        EXPECT_EQ(sim.RfcGetStructure(function, u"RFCSI_EXPORT", &structure, &error), kNwRfcOk);
        return structure;
    }

    // A field of the system information, read with its own length.
    std::u16string Chars(NwRfcStructureHandle structure, const std::string& field,
                         unsigned length) {
        std::u16string buffer(length, u'?');
        EXPECT_EQ(sim.RfcGetChars(structure, U16(field).c_str(), buffer.data(), length, &error),
                  kNwRfcOk)
            << field;
        return buffer;
    }

    // A whole step as the sensor runs it: description, function, invoke, destroy; the code of
    // the step that failed, else of the invoke, whose error info stays in `error`. The
    // function runs `read` on the answer.
    template <typename Read>
    NwRfcReturnCode Call(NwRfcConnectionHandle connection, const std::string& name, Read read) {
        NwRfcFunctionHandle function = Function(connection, name);
        if (function == nullptr) {
            return error.code;
        }
        const NwRfcReturnCode code = sim.RfcInvoke(connection, function, &error);
        if (code == kNwRfcOk) {
            read(function);
        }
        NwRfcErrorInfo destroyError{};
        sim.RfcDestroyFunction(function, &destroyError);
        return code;
    }
    NwRfcReturnCode Call(NwRfcConnectionHandle connection, const std::string& name) {
        return Call(connection, name, [](NwRfcFunctionHandle) {});
    }

    // RFC_SYSTEM_INFO's RFCSYSID: which system a connection reached.
    std::string SystemOf(NwRfcConnectionHandle connection) {
        std::u16string id;
        EXPECT_EQ(
            Call(connection, "RFC_SYSTEM_INFO",
                 [&](NwRfcFunctionHandle f) { id = Chars(SystemInfoExport(f), "RFCSYSID", 8); }),
            kNwRfcOk);
        return U8(id.substr(0, id.find_last_not_of(u' ') + 1));
    }

    std::string Key() const { return U8(error.key); }
    std::string Message() const { return U8(error.message); }

    std::vector<std::string> Journal() const { return folder.Lines("rfcsim.journal"); }
    std::vector<std::string> TraceReasons() const { return TraceReasonsIn(folder); }

    TemporaryFolder folder;
    NetWeaverSimulator sim{folder.Path()};
    NwRfcErrorInfo error{};
};

}  // namespace trevalunda::rfcsim::testing
