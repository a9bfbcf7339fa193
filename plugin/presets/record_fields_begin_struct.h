// Included inside a record struct, before its declaration file: every row becomes
// a data member. No include guard: it is included once per record.
#define FIELD(NAME_, KEY_, TYPE_, DEF_, MIN_, MAX_, SHOWN_, CTL_, ACT_, UNIT_) \
  ::vx::FieldStorage<::vx::FieldType::TYPE_> NAME_;
#define FIELD_LAST(NAME_, KEY_, TYPE_, DEF_, MIN_, MAX_, SHOWN_, CTL_, ACT_, UNIT_) \
  ::vx::FieldStorage<::vx::FieldType::TYPE_> NAME_;
#define FIELD_BY_MODE(NAME_, KEY_, TYPE_, DEF_, MIN_, MAX_, SHOWN_, ALTMIN_, ALTMAX_, MODE_, CTL_, ACT_, UNIT_) \
  ::vx::FieldStorage<::vx::FieldType::TYPE_> NAME_;
#define PAIR(NAME_, KEY_, NAMEX_, NAMEY_, DEF_, MIN_, MAX_, SHOWN_, CTLX_, CTLY_, ACTX_, ACTY_, UNIT_) \
  ::ai::RealPoint NAME_;
#define WORK(NAME_, CTYPE_) CTYPE_ NAME_;
