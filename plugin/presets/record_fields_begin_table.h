// Included inside a constexpr array of vx::FieldSpec, before a declaration file,
// with VX_RECORD naming the record struct: every row but WORK becomes one spec.
// No include guard: it is included once per record.
#define VX_FIELD_ROW(NAME_, KEY_, TYPE_, DEF_, MIN_, MAX_, SHOWN_, CTL_, CTLY_, ACT_, ACTY_, UNIT_, NAMEX_, NAMEY_, \
                     ALTMIN_, ALTMAX_, MODE_, LAST_)                                                              \
  ::vx::FieldSpec{.name = #NAME_,                                                                                 \
                  .key = KEY_,                                                                                    \
                  .type = ::vx::FieldType::TYPE_,                                                                 \
                  .offset = offsetof(VX_RECORD, NAME_),                                                           \
                  .defaultValue = ::vx::MakeDefault(DEF_).value,                                                 \
                  .minimum = MIN_,                                                                                \
                  .maximum = MAX_,                                                                                \
                  .shown = ::vx::Shown::SHOWN_,                                                                   \
                  .controlId = ::vx::FirstControl(CTL_),                                                         \
                  .actionKey = ::vx::ActionKey(ACT_),                                                            \
                  .defaultY = ::vx::MakeDefault(DEF_).y,                                                         \
                  .defaultInDegrees = ::vx::MakeDefault(DEF_).inDegrees,                                         \
                  .defaultDegrees = ::vx::MakeDefault(DEF_).degrees,                                             \
                  .actionUnit = ::vx::ActionUnit::UNIT_,                                                          \
                  .actionKeyY = ::vx::ActionKey(ACTY_),                                                          \
                  .controls = CTL_,                                                                               \
                  .controlsY = CTLY_,                                                                             \
                  .nameX = NAMEX_,                                                                                \
                  .nameY = NAMEY_,                                                                                \
                  .altMinimum = ALTMIN_,                                                                          \
                  .altMaximum = ALTMAX_,                                                                          \
                  .modeField = MODE_,                                                                             \
                  .writtenLast = LAST_},
#define FIELD(NAME_, KEY_, TYPE_, DEF_, MIN_, MAX_, SHOWN_, CTL_, ACT_, UNIT_)                                   \
  VX_FIELD_ROW(NAME_, KEY_, TYPE_, DEF_, MIN_, MAX_, SHOWN_, CTL_, CTL_NONE, ACT_, "", UNIT_, nullptr, nullptr, 0, \
               0, nullptr, false)
#define FIELD_LAST(NAME_, KEY_, TYPE_, DEF_, MIN_, MAX_, SHOWN_, CTL_, ACT_, UNIT_)                              \
  VX_FIELD_ROW(NAME_, KEY_, TYPE_, DEF_, MIN_, MAX_, SHOWN_, CTL_, CTL_NONE, ACT_, "", UNIT_, nullptr, nullptr, 0, \
               0, nullptr, true)
#define FIELD_BY_MODE(NAME_, KEY_, TYPE_, DEF_, MIN_, MAX_, SHOWN_, ALTMIN_, ALTMAX_, MODE_, CTL_, ACT_, UNIT_)     \
  VX_FIELD_ROW(NAME_, KEY_, TYPE_, DEF_, MIN_, MAX_, SHOWN_, CTL_, CTL_NONE, ACT_, "", UNIT_, nullptr, nullptr,     \
               ALTMIN_, ALTMAX_, MODE_, false)
#define PAIR(NAME_, KEY_, NAMEX_, NAMEY_, DEF_, MIN_, MAX_, SHOWN_, CTLX_, CTLY_, ACTX_, ACTY_, UNIT_)             \
  VX_FIELD_ROW(NAME_, KEY_, kPoint, DEF_, MIN_, MAX_, SHOWN_, CTLX_, CTLY_, ACTX_, ACTY_, UNIT_, NAMEX_, NAMEY_, 0, \
               0, nullptr, false)
#define WORK(NAME_, CTYPE_)
