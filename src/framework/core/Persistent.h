#pragma once
// Objects that can be assigned to one another; the source is read, never
// changed. A class that cannot take a source hands the job to the source,
// which refuses with EConvertError.
namespace skl {

class TPersistent {
public:
    virtual ~TPersistent() = default;
    virtual const char* ClassName() const = 0;
    virtual void Assign(const TPersistent& source);

protected:
    virtual void AssignTo(TPersistent& target) const;
};

}  // namespace skl
