"""The system-wide files: "TK73TOOL.ini", the model tables and the empty store tables."""

from definition_ini import ini_text
from models import CONTROLLERS, DEFAULT_REGISTER, REGISTERS, VEK_NOT_SUPPORTED

MODEL_COLUMNS = "ModelNo,ModelIndentName,ModelViewName,ModelStatus,Update"
TEMPLATE_TABLES = {
    "STORE.edb": "StoreNo,StoreName,Clerk,Comment,BranchNo,VekModelNo,VekSelType,RegModelNo,"
                 "RegSelType,ScanStartNo,ChangeBusinessDay,Update,VekLinkage",
    "BRANCH.edb": "BranchNo,BranchName,Clerk,Comment,Update",
    "REGISTER.edb": "StoreNo,RegNo,RegName,OperateStatus,IPAddr,Update",
    "VEK.edb": "StoreNo,VekNo,VekName,OperateStatus,IPAddr,Update",
}
RELEASE = "240401000000"  # the model tables' update text: the release of this installation


def model_list(shapes):
    rows = [("TOTALCOUNT", str(len(shapes)))]
    rows += [("%02d" % n, s.info.row()) for n, s in enumerate(shapes, start=1)]
    return rows


def settings_file(convert_arabic=False):
    return ini_text([
        ("ECR_LIST", model_list(REGISTERS)),
        ("VEK_LIST", model_list(CONTROLLERS)),
        ("VEKNOTSUPPORTECR", list(VEK_NOT_SUPPORTED)),
        ("FILECOMMCONV", [("CONVARABIC", "ON" if convert_arabic else "OFF")]),
        ("DEFAULTACTION", [("ECRID", str(DEFAULT_REGISTER))]),
    ])


def model_table(shapes):
    lines = [MODEL_COLUMNS]
    for s in shapes:
        lines.append('"%03d","%s","%s","0","%s"' % (s.info.number, s.info.indent, s.info.name,
                                                   RELEASE))
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def system_tree():
    tree = {
        "TK73TOOL.ini": settings_file(),
        "system/REGMODEL.edb": model_table(REGISTERS),
        "system/VEKMODEL.edb": model_table(CONTROLLERS),
    }
    for name, header in TEMPLATE_TABLES.items():
        tree["template/" + name] = (header + "\r\n").encode("ascii")
    return tree


def never_pairs(number):
    """Whether a register model is refused a controller in every execution mode."""
    return all(str(number) in value.split(",") for key, value in VEK_NOT_SUPPORTED)
