#include "rfcsim/netweaver_checks.h"

#include <gtest/gtest.h>

#include <functional>

#include "rfcsim/test_support/netweaver_session.h"

namespace trevalunda::rfcsim {
namespace {

using testing::HostLogon;
using testing::LogonRequest;
using testing::NetWeaverSession;

// A session logged on to PRD: connection 1.
struct Logged {
    NetWeaverSession t;
    NwRfcConnectionHandle connection = nullptr;

    NwRfcFunctionHandle SystemInfo() { return t.Function(connection, "RFC_SYSTEM_INFO"); }
    NwRfcFunctionHandle Invoked(const std::string& name) {
        NwRfcFunctionHandle function = t.Function(connection, name);
        t.sim.RfcInvoke(connection, function, &t.error);
        return function;
    }
};

// One way to break the interface, the keys PRD needs for it and the start of what the library
// then says.
struct MismatchCase {
    const char* name;
    std::function<void(Logged&)> act;
    const char* message;
    const char* prdKeys = "";
};

void ExpectEachToCrash(const std::vector<MismatchCase>& cases) {
    for (const MismatchCase& c : cases) {
        Logged s;
        s.t.Start(c.prdKeys);
        s.connection = s.t.Open();
        ASSERT_NE(s.connection, nullptr) << c.name << ": " << s.t.Message();
        EXPECT_DEATH(c.act(s), std::string("rfcsim: interface mismatch: ") + c.message) << c.name;
    }
}

// A second logon with changed parameters, after the first connection is closed.
std::function<void(Logged&)> LogonWith(LogonRequest request) {
    return [request](Logged& s) mutable {
        s.t.Close(s.connection);
        s.t.Open(request);
    };
}

template <typename Handle>
Handle Never() {
    return HandleOf<Handle>(99);
}

TEST(NetWeaverChecksTest, LogonParametersAsTheSensorMustPassThem) {
    alignas(char16_t) static const char eightBit[] =
        "client\0";  // an 8-bit text where UTF-16 belongs
    static const std::u16string unterminated(kLongestText, u'a');
    ExpectEachToCrash({
        {"null parameters", [](Logged& s) { s.t.sim.RfcOpenConnection(nullptr, 1, &s.t.error); },
         "RfcOpenConnection: parameters are null"},
        {"no parameters",
         [](Logged& s) {
             NwRfcConnectionParameter none{};
             s.t.sim.RfcOpenConnection(&none, 0, &s.t.error);
         },
         "RfcOpenConnection: no parameters"},
        {"null error info",
         [](Logged& s) {
             LogonRequest request = HostLogon();
             s.t.sim.RfcOpenConnection(request.Parameters(), request.Count(), nullptr);
         },
         "RfcOpenConnection: error info is null"},
        {"null name",
         [](Logged& s) {
             NwRfcConnectionParameter parameter{nullptr, u"100"};
             s.t.sim.RfcOpenConnection(&parameter, 1, &s.t.error);
         },
         "RfcOpenConnection: parameter 1 name is null"},
        {"null value",
         [](Logged& s) {
             NwRfcConnectionParameter parameter{u"client", nullptr};
             s.t.sim.RfcOpenConnection(&parameter, 1, &s.t.error);
         },
         "RfcOpenConnection: parameter 1 \\(client\\) value is null"},
        {"8-bit name",
         [](Logged& s) {
             NwRfcConnectionParameter parameter{reinterpret_cast<const char16_t*>(eightBit),
                                                u"100"};
             s.t.sim.RfcOpenConnection(&parameter, 1, &s.t.error);
         },
         "RfcOpenConnection: parameter 1: unknown name"},
        {"lone surrogate",
         [](Logged& s) {
             NwRfcConnectionParameter parameter{u"client", u"1\xD800"};
             s.t.sim.RfcOpenConnection(&parameter, 1, &s.t.error);
         },
         "RfcOpenConnection: parameter 1 \\(client\\) value is not UTF-16"},
        {"unterminated",
         [](Logged& s) {
             NwRfcConnectionParameter parameter{u"client", unterminated.c_str()};
             s.t.sim.RfcOpenConnection(&parameter, 1, &s.t.error);
         },
         "RfcOpenConnection: parameter 1 \\(client\\) value is not zero-terminated within 4096 "
         "code units"},
        {"unknown name", LogonWith(HostLogon().Set("mshost", "msprd")),
         "RfcOpenConnection: parameter 7: unknown name \"mshost\""},
        {"name in upper case", LogonWith(HostLogon().Remove("client").Set("CLIENT", "100")),
         "RfcOpenConnection: parameter 6: unknown name \"CLIENT\""},
        {"name twice", LogonWith(HostLogon().Append("user", "MONITOR")),
         "RfcOpenConnection: parameter 7: user given twice"},
        {"language missing", LogonWith(HostLogon().Remove("lang")),
         "RfcOpenConnection: parameter lang missing"},
        {"dest with ashost", LogonWith(HostLogon().Set("dest", "C11")),
         "RfcOpenConnection: dest together with ashost"},
        {"dest with gwhost", LogonWith(testing::DestinationLogon("C11").Set("gwhost", "gw")),
         "RfcOpenConnection: dest together with gwhost"},
        {"no sysnr", LogonWith(HostLogon().Remove("sysnr")),
         "RfcOpenConnection: parameter sysnr missing"},
        {"sysnr of one digit", LogonWith(HostLogon().Set("sysnr", "0")),
         "RfcOpenConnection: sysnr \"0\" is not two digits"},
        {"sysnr of three digits", LogonWith(HostLogon().Set("sysnr", "000")),
         "RfcOpenConnection: sysnr \"000\" is not two digits"},
        {"empty gwhost", LogonWith(HostLogon().Set("gwhost", "")),
         "RfcOpenConnection: gwhost is an empty text"},
        {"empty dest", LogonWith(testing::DestinationLogon("")),
         "RfcOpenConnection: dest is an empty text"},
        {"user in lower case", LogonWith(HostLogon().Set("user", "monitor")),
         "RfcOpenConnection: user \"monitor\" not in upper case"},
        {"user padded", LogonWith(HostLogon().Set("user", "MONITOR     ")),
         "RfcOpenConnection: user \"MONITOR     \" padded with blanks"},
        {"password padded", LogonWith(HostLogon().Set("passwd", "secret    ")),
         "RfcOpenConnection: passwd padded with blanks"},
    });
}

TEST(NetWeaverChecksTest, EverythingIsReleasedBeforeTheNextLogonAndAtUnload) {
    ExpectEachToCrash({
        {"logon with a connection open", [](Logged& s) { s.t.Open(); },
         "RfcOpenConnection: connection 1 is still open"},
        {"logon with a function left",
         [](Logged& s) {
             s.SystemInfo();
             s.t.Close(s.connection);
             s.t.Open();
         },
         "RfcOpenConnection: function 3 \\(RFC_SYSTEM_INFO\\) is not destroyed"},
        {"unload with a connection open", [](Logged& s) { s.t.sim.CheckAllReleasedAtUnload(); },
         "unloading the library: connection 1 is still open"},
        {"unload with a function left",
         [](Logged& s) {
             s.Invoked("S_DB_EXCLUSIVE_LOCK_WAITERS");
             s.t.Close(s.connection);
             s.t.sim.CheckAllReleasedAtUnload();
         },
         "unloading the library: function 3 \\(S_DB_EXCLUSIVE_LOCK_WAITERS\\) is not destroyed"},
    });
}

TEST(NetWeaverChecksTest, HandlesMustBeOpenAndOfTheirKind) {
    ExpectEachToCrash({
        {"closed connection",
         [](Logged& s) {
             s.t.Close(s.connection);
             s.SystemInfo();
         },
         "RfcGetFunctionDesc: connection 1 is closed"},
        {"connection never handed out",
         [](Logged& s) { s.t.Function(Never<NwRfcConnectionHandle>(), "RFC_SYSTEM_INFO"); },
         "RfcGetFunctionDesc: connection handle 99 was never handed out"},
        {"null connection",
         [](Logged& s) { s.t.sim.RfcInvoke(nullptr, s.SystemInfo(), &s.t.error); },
         "RfcInvoke: connection handle is null"},
        {"function as connection",
         [](Logged& s) {
             auto* function = s.SystemInfo();
             s.t.Close(reinterpret_cast<NwRfcConnectionHandle>(function));
         },
         "RfcCloseConnection: handle 3 is a function, not a connection"},
        {"connection as description",
         [](Logged& s) {
             s.t.sim.RfcCreateFunction(reinterpret_cast<NwRfcFunctionDescHandle>(s.connection),
                                       &s.t.error);
         },
         "RfcCreateFunction: handle 1 is a connection, not a function description"},
        {"unknown function", [](Logged& s) { s.t.Function(s.connection, "RFC_PING"); },
         "RfcGetFunctionDesc: unknown function \"RFC_PING\""},
        {"invoke on a closed connection",
         [](Logged& s) {
             auto* function = s.SystemInfo();
             s.t.Close(s.connection);
             s.t.sim.RfcInvoke(s.connection, function, &s.t.error);
         },
         "RfcInvoke: connection 1 is closed"},
        {"invoke of a destroyed function",
         [](Logged& s) {
             auto* function = s.SystemInfo();
             s.t.Destroy(function);
             s.t.sim.RfcInvoke(s.connection, function, &s.t.error);
         },
         "RfcInvoke: function 3 is destroyed"},
        {"destroyed twice",
         [](Logged& s) {
             auto* function = s.SystemInfo();
             s.t.Destroy(function);
             s.t.Destroy(function);
         },
         "RfcDestroyFunction: function 3 is destroyed"},
        {"closed twice",
         [](Logged& s) {
             s.t.Close(s.connection);
             s.t.Close(s.connection);
         },
         "RfcCloseConnection: connection 1 is closed"},
        {"invoke without error info",
         [](Logged& s) { s.t.sim.RfcInvoke(s.connection, s.SystemInfo(), nullptr); },
         "RfcInvoke: error info is null"},
        {"null ini path", [](Logged& s) { s.t.sim.RfcSetIniPath(nullptr, &s.t.error); },
         "RfcSetIniPath: folder is null"},
    });
}

TEST(NetWeaverChecksTest, ResultsAreReadAsTheyAre) {
    ExpectEachToCrash({
        {"structure before the invoke", [](Logged& s) { s.t.SystemInfoExport(s.SystemInfo()); },
         "RfcGetStructure: function 3 holds no answer"},
        {"structure after a failed invoke",
         [](Logged& s) { s.t.SystemInfoExport(s.Invoked("RFC_SYSTEM_INFO")); },
         "RfcGetStructure: function 3 holds no answer", "SystemInfoReceiveCode=1"},
        {"other structure",
         [](Logged& s) {
             NwRfcStructureHandle structure = nullptr;
             s.t.sim.RfcGetStructure(s.Invoked("RFC_SYSTEM_INFO"), u"RFCSI", &structure,
                                     &s.t.error);
         },
         "RfcGetStructure: RFC_SYSTEM_INFO has no structure \"RFCSI\""},
        {"structure of the lock waiters",
         [](Logged& s) { s.t.SystemInfoExport(s.Invoked("S_DB_EXCLUSIVE_LOCK_WAITERS")); },
         "RfcGetStructure \"RFCSI_EXPORT\": function 3 is S_DB_EXCLUSIVE_LOCK_WAITERS"},
        {"structure of a structure",
         [](Logged& s) {
             s.t.SystemInfoExport(s.t.SystemInfoExport(s.Invoked("RFC_SYSTEM_INFO")));
         },
         "RfcGetStructure: handle 4 is a structure, not a function"},
        {"no structure address",
         [](Logged& s) {
             s.t.sim.RfcGetStructure(s.Invoked("RFC_SYSTEM_INFO"), u"RFCSI_EXPORT", nullptr,
                                     &s.t.error);
         },
         "RfcGetStructure: structure address is null"},
        {"field one longer",
         [](Logged& s) {
             s.t.Chars(s.t.SystemInfoExport(s.Invoked("RFC_SYSTEM_INFO")), "RFCDBSYS", 11);
         },
         "RfcGetChars RFCDBSYS: length 11, the field has 10"},
        {"field one shorter",
         [](Logged& s) {
             s.t.Chars(s.t.SystemInfoExport(s.Invoked("RFC_SYSTEM_INFO")), "RFCHOST", 7);
         },
         "RfcGetChars RFCHOST: length 7, the field has 8"},
        {"unknown field",
         [](Logged& s) {
             s.t.Chars(s.t.SystemInfoExport(s.Invoked("RFC_SYSTEM_INFO")), "RFCDB", 10);
         },
         "RfcGetChars: RFCSI_EXPORT has no field \"RFCDB\""},
        {"no buffer",
         [](Logged& s) {
             s.t.sim.RfcGetChars(s.t.SystemInfoExport(s.Invoked("RFC_SYSTEM_INFO")), u"RFCHOST",
                                 nullptr, 8, &s.t.error);
         },
         "RfcGetChars RFCHOST: buffer is null"},
        {"field of the function",
         [](Logged& s) { s.t.Chars(s.Invoked("RFC_SYSTEM_INFO"), "RFCHOST", 8); },
         "RfcGetChars: handle 3 is a function, not a structure"},
        {"field after the function is destroyed",
         [](Logged& s) {
             auto* function = s.Invoked("RFC_SYSTEM_INFO");
             NwRfcStructureHandle structure = s.t.SystemInfoExport(function);
             s.t.Destroy(function);
             s.t.Chars(structure, "RFCHOST", 8);
         },
         "RfcGetChars: structure 4 belongs to destroyed function 3"},
        {"other table",
         [](Logged& s) {
             NwRfcTableHandle table = nullptr;
             s.t.sim.RfcGetTable(s.Invoked("S_DB_EXCLUSIVE_LOCK_WAITERS"), u"LOCK_WAITERS", &table,
                                 &s.t.error);
         },
         "RfcGetTable: S_DB_EXCLUSIVE_LOCK_WAITERS has no table \"LOCK_WAITERS\""},
        {"row count without count address",
         [](Logged& s) {
             NwRfcTableHandle table = nullptr;
             s.t.sim.RfcGetTable(s.Invoked("S_DB_EXCLUSIVE_LOCK_WAITERS"),
                                 u"EXCLUSIVE_LOCK_WAITERS", &table, &s.t.error);
             s.t.sim.RfcGetRowCount(table, nullptr, &s.t.error);
         },
         "RfcGetRowCount: count address is null"},
    });
}

}  // namespace
}  // namespace trevalunda::rfcsim
